#include "host/units/window_unit_win.h"

#include <utility>

#include "host/services/encoding_win.h"
#include "host/units/window_text_win.h"

namespace host {

WindowUnit::WindowUnit(const UnitDefinition& definition) : Unit(definition) { apply_back_colour(); }

Value WindowUnit::read(int index, int array_index) const {
  if (index == prop::window::kCaption && window_) return wide_to_gb18030(window_text(window_));
  return Unit::read(index, array_index);
}

void WindowUnit::write(int index, int array_index, Value value) {
  if (index == prop::window::kCaption) {
    properties_.set(index, value);
    if (window_) SetWindowTextW(window_, gb18030_to_wide(properties_.get_text(index)).c_str());
  } else if (index == prop::window::kBackColor) {
    if (properties_.set(index, value)) apply_back_colour();
  } else {
    Unit::write(index, array_index, std::move(value));
  }
}

bool WindowUnit::erase_background(HDC dc) const {
  if (!back_brush_) return false;
  RECT client{};
  GetClientRect(window_, &client);
  FillRect(dc, &client, back_brush_.get());
  return true;
}

void WindowUnit::apply_back_colour() {
  const std::int32_t colour = properties_.get_int(prop::window::kBackColor);
  back_brush_.reset(colour == kDefaultColour ? nullptr : CreateSolidBrush(static_cast<COLORREF>(colour)));
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

}  // namespace host
