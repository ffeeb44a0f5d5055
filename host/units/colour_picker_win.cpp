#include "host/units/colour_picker_win.h"

namespace host {
namespace {

constexpr wchar_t kClassName[] = L"VerbrookColourPicker";

bool register_class_once() {
  static const bool registered = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = kClassName;
    return RegisterClassExW(&window_class) != 0;
  }();
  return registered;
}

}  // namespace

ColourPickerUnit::ColourPickerUnit(const UnitDefinition& definition, HWND parent) : ControlUnit(definition) {
  if (!register_class_once()) return;
  const Geometry& place = definition.geometry;
  window_.reset(CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, place.left, place.top, place.width,
                                place.height, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id() & 0xFFFF)),
                                GetModuleHandleW(nullptr), nullptr));
}

}  // namespace host
