// The ColorPicker unit: a hidden child window of its own small class, so that
// it has a handle. Opening it (or a left-button release on its window) shows
// its palette; a picked colour goes into `Colour` and raises the
// colour-changed event.
#pragma once

#include <functional>

#include "host/units/colour_picker/colour_palette_popup_win.h"
#include "host/units/unit_win.h"

namespace host {

class ColourPickerUnit : public ControlUnit {
 public:
  // `colour_changed` delivers the unit's colour-changed event.
  ColourPickerUnit(const UnitDefinition& definition, HWND parent, std::function<void()> colour_changed);

  void destroy() override;
  // Returns at once, with the palette up and holding the keyboard.
  void open_palette();

 private:
  static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void pick(std::int32_t colour);

  std::function<void()> colour_changed_;
  ColourPalettePopup palette_;
};

}  // namespace host
