#include "host/units/colour_picker/colour_picker_win.h"

#include <utility>

namespace host {
namespace {

constexpr wchar_t kClassName[] = L"VerbrookColourPicker";

bool register_class_once(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = kClassName;
    return RegisterClassExW(&window_class) != 0;
  }();
  return registered;
}

}  // namespace

ColourPickerUnit::ColourPickerUnit(const UnitDefinition& definition, HWND parent,
                                   std::function<void()> colour_changed)
    : ControlUnit(definition),
      colour_changed_(std::move(colour_changed)),
      palette_([this](std::int32_t colour) { pick(colour); }) {
  if (!register_class_once(window_procedure)) return;
  const Geometry& place = definition.geometry;
  window_.reset(CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, place.left, place.top, place.width,
                                place.height, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id() & 0xFFFF)),
                                GetModuleHandleW(nullptr), this));
}

void ColourPickerUnit::destroy() {
  palette_.destroy();
  ControlUnit::destroy();
}

LRESULT CALLBACK ColourPickerUnit::window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* unit = reinterpret_cast<ColourPickerUnit*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (unit && message == WM_LBUTTONUP) {
    unit->open_palette();
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// Near the picker's place in its window; at the mouse when that window is
// hidden or minimised, so the palette is never out of sight.
void ColourPickerUnit::open_palette() {
  HWND picker = window();
  HWND owner = GetAncestor(picker, GA_ROOT);
  POINT anchor{};
  if (IsWindowVisible(owner) && !IsIconic(owner)) {
    RECT place{};
    GetWindowRect(picker, &place);
    anchor = {place.left, place.top};
  } else {
    GetCursorPos(&anchor);
  }
  palette_.open(owner, anchor, properties_.get_int(prop::picker::kColour));
}

// The event comes also for the colour that was there already.
void ColourPickerUnit::pick(std::int32_t colour) {
  properties_.set(prop::picker::kColour, colour);
  colour_changed_();
}

}  // namespace host
