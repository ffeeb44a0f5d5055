#include "mouse_input_win.h"

namespace test_support {

INPUT mouse_event_at(POINT point, DWORD button_flags) {
  // Absolute coordinates span the primary screen as 0..65536; round up so
  // that the system's rounding down gives the pixel back.
  const auto normalised = [](LONG coordinate, int screen_size) {
    return static_cast<LONG>((static_cast<long long>(coordinate) * 65536 + screen_size - 1) / screen_size);
  };
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = normalised(point.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = normalised(point.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button_flags;
  return input;
}

}  // namespace test_support
