#include "host/units/unit_win.h"

#include <array>
#include <utility>

namespace host {
namespace {

// Left, top, width and height: a top-level window's outer rectangle on the
// screen, a child window's relative to its parent's client area.
std::array<std::int32_t, 4> geometry_of(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  if (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)
    MapWindowPoints(HWND_DESKTOP, GetAncestor(window, GA_PARENT), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

bool is_geometry(int index) { return index >= prop::kLeft && index <= prop::kHeight; }

}  // namespace

Value Unit::read(int index, int /*array_index*/) const {
  if (HWND window = this->window()) {
    if (is_geometry(index)) return geometry_of(window)[static_cast<std::size_t>(index)];
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if (index == prop::kVisible) return (style & WS_VISIBLE) != 0;
    if (index == prop::kDisabled) return (style & WS_DISABLED) != 0;
  }
  return properties_.get(index);
}

void Unit::write(int index, int /*array_index*/, Value value) {
  properties_.set(index, std::move(value));
  HWND window = this->window();
  if (!window) return;
  if (is_geometry(index)) {
    std::array<std::int32_t, 4> geometry = geometry_of(window);
    geometry[static_cast<std::size_t>(index)] = properties_.get_int(index);
    SetWindowPos(window, nullptr, geometry[0], geometry[1], geometry[2], geometry[3], SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (index == prop::kVisible) {
    ShowWindow(window, properties_.get_bool(index) ? SW_SHOWNA : SW_HIDE);
  } else if (index == prop::kDisabled) {
    EnableWindow(window, !properties_.get_bool(index));
  }
}

}  // namespace host
