// The font dialog of the common dialog unit.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <optional>
#include <string>

#include "host/forms/font_fields.h"
#include "host/services/common_dialog.h"
#include "host/services/encoding_win.h"
#include "host/services/loaded_functions_win.h"
#include "host/unit_services/common_dialog_win.h"
#include "host/units/screen_metrics_win.h"
#include "host/units/unit_win.h"

namespace host {
namespace {

namespace dialog_prop = prop::dialog;

LOGFONTW initial_font(const PropertyStore& properties, int dpi) {
  LOGFONTW font{};
  font.lfHeight = font_height_of_size(properties.get_int(dialog_prop::kFontSize), dpi);
  font.lfWeight = properties.get_bool(dialog_prop::kBold) ? FW_BOLD : FW_NORMAL;
  font.lfItalic = properties.get_bool(dialog_prop::kItalic);
  font.lfUnderline = properties.get_bool(dialog_prop::kUnderline);
  font.lfStrikeOut = properties.get_bool(dialog_prop::kStrikeOut);
  font.lfCharSet = DEFAULT_CHARSET;
  const std::wstring face = gb18030_to_wide(properties.get_text(dialog_prop::kFontName));
  std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), font.lfFaceName);
  return font;
}

}  // namespace

bool run_font_dialog(Unit& dialog, HWND owner) {
  const PropertyStore& properties = dialog.properties();
  LOGFONTW font = initial_font(properties, screen_vertical_dpi());
  const std::int32_t colour = properties.get_int(dialog_prop::kFontColor);
  CHOOSEFONTW settings{};
  settings.lStructSize = sizeof settings;
  settings.hwndOwner = owner;
  settings.lpLogFont = &font;
  // Vertical faces ("@宋体") are left out: an edit box cannot use them.
  settings.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_NOVERTFONTS;
  settings.rgbColors = colour == kDefaultColour ? GetSysColor(COLOR_WINDOWTEXT) : static_cast<COLORREF>(colour);
  const auto choose_font = loaded_functions().ChooseFontW;
  if (!choose_font || !choose_font(&settings)) return false;

  dialog.write(dialog_prop::kFontName, -1, wide_to_gb18030(font.lfFaceName));
  dialog.write(dialog_prop::kFontSize, -1, points_of_tenths(settings.iPointSize));
  dialog.write(dialog_prop::kBold, -1, font.lfWeight >= FW_SEMIBOLD);
  dialog.write(dialog_prop::kItalic, -1, font.lfItalic != 0);
  dialog.write(dialog_prop::kUnderline, -1, font.lfUnderline != 0);
  dialog.write(dialog_prop::kStrikeOut, -1, font.lfStrikeOut != 0);
  dialog.write(dialog_prop::kFontColor, -1, static_cast<std::int32_t>(settings.rgbColors));
  return true;
}

}  // namespace host
