// The unit of a form's own window: its title and background colour act on the
// window at once. Showing it and keeping it on top involve the other forms
// and are the runtime's part.
#pragma once

#include "host/units/unit_win.h"

namespace host {

class WindowUnit : public Unit {
 public:
  explicit WindowUnit(const UnitDefinition& definition);

  HWND window() const override { return window_; }
  // The form's window, once created; the form owns it.
  void set_window(HWND window) { window_ = window; }

  Value read(int index, int array_index) const override;
  void write(int index, int array_index, Value value) override;

  // Fills the client area with the unit's BackColor; false when it is the
  // default colour and the window class paints instead.
  bool erase_background(HDC dc) const;

 private:
  void apply_back_colour();

  HWND window_ = nullptr;
  OwnedBrush back_brush_;
};

}  // namespace host
