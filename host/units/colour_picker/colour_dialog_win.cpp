#include "host/units/colour_picker/colour_dialog_win.h"

#include <array>

#include "host/services/loaded_functions_win.h"

namespace host {

std::optional<COLORREF> choose_colour(HWND owner, COLORREF initial) {
  static std::array<COLORREF, 16> custom_colours = [] {
    std::array<COLORREF, 16> colours;
    colours.fill(RGB(255, 255, 255));
    return colours;
  }();
  CHOOSECOLORW settings{};
  settings.lStructSize = sizeof settings;
  settings.hwndOwner = owner;
  settings.rgbResult = initial;
  settings.lpCustColors = custom_colours.data();
  settings.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
  const auto choose_colour = loaded_functions().ChooseColorW;
  if (!choose_colour || !choose_colour(&settings)) return std::nullopt;
  return settings.rgbResult;
}

}  // namespace host
