#include "app/appearance.h"

#include "host/services/convert.h"
#include "host/services/text.h"

namespace app {

using host::units::kEditBox;
namespace edit = host::prop::edit;
namespace font = host::prop::font;

namespace {

constexpr char kSection[] = "配置";
constexpr char kTextColourKey[] = "文本颜色";
constexpr char kBackColourKey[] = "背景颜色";
constexpr char kFontSizeKey[] = "字体大小";

}  // namespace

Appearance::Appearance(host::HostApi& host) : host_(host), properties_(host) {}

host::Text Appearance::configuration_file() {
  return host::join_texts({host_.program_directory(), "\\zelvorin.ini"});
}

host::Text Appearance::read_setting(const char* key, std::int32_t factory_value) {
  return host_.read_configuration_item(configuration_file(), kSection, key, host::to_text(factory_value));
}

host::ConfigurationItem Appearance::setting_of(const char* key, int index, int array_index) {
  return {key, host::to_text(properties_.integer(kEditBox, index, array_index))};
}

void Appearance::store_settings(std::span<const host::ConfigurationItem> items) {
  // The result is not looked at: a setting that could not be stored stays in
  // effect until the next focus gain reads the file again.
  host_.write_configuration_items(configuration_file(), kSection, items);
}

void Appearance::store_setting(const char* key, int index, int array_index) {
  const host::ConfigurationItem item = setting_of(key, index, array_index);
  store_settings(std::span(&item, 1));
}

void Appearance::load_configuration() {
  // to_integer reads full-width digits too, and makes anything else 0.
  properties_.set(kEditBox, edit::kTextColor, host::to_integer(read_setting(kTextColourKey, kFactoryTextColour)));
  properties_.set(kEditBox, edit::kBackColor, host::to_integer(read_setting(kBackColourKey, kFactoryBackColour)));
  properties_.set(kEditBox, edit::kFont, font::kSize, host::to_integer(read_setting(kFontSizeKey, kFactoryFontSize)));
}

void Appearance::open_colour_picker(ColourTarget target) {
  colour_target_ = target;
  host_.open_colour_picker(host::units::kColorPicker);
}

void Appearance::choose_text_colour() { open_colour_picker(ColourTarget::Text); }

void Appearance::choose_back_colour() { open_colour_picker(ColourTarget::Back); }

void Appearance::apply_chosen_colour() {
  const std::int32_t colour = properties_.integer(host::units::kColorPicker, host::prop::picker::kColour);
  if (colour_target_ == ColourTarget::Text) {
    properties_.set(kEditBox, edit::kTextColor, colour);
    store_setting(kTextColourKey, edit::kTextColor);
  } else {
    properties_.set(kEditBox, edit::kBackColor, colour);
    store_setting(kBackColourKey, edit::kBackColor);
  }
}

void Appearance::choose_font() {
  const host::UnitRef& dialog = host::units::kCommonDialog;
  properties_.set(dialog, host::prop::dialog::kDialogKind, host::prop::dialog::kKindFont);
  // Before the dialog has returned a font it would start on the first face
  // of the system's list, and OK there would change the writer's font: it
  // starts on the face the edit box is drawn with, at its size.
  if (properties_.text(dialog, host::prop::dialog::kFontName).empty()) {
    properties_.set(dialog, host::prop::dialog::kFontName, host_.resolved_font_face(kEditBox));
    properties_.set(dialog, host::prop::dialog::kFontSize, properties_.integer(kEditBox, edit::kFont, font::kSize));
  }
  // Confirmed or not, the dialog holds a font (the last one confirmed, or the
  // one it started on), and that font is taken.
  host_.open_common_dialog(dialog);
  properties_.set(kEditBox, edit::kFont, font::kFace, properties_.text(dialog, host::prop::dialog::kFontName));
  properties_.set(kEditBox, edit::kFont, font::kSize, properties_.integer(dialog, host::prop::dialog::kFontSize));
  store_setting(kFontSizeKey, edit::kFont, font::kSize);
}

void Appearance::restore_configuration() {
  properties_.set(kEditBox, edit::kFont, font::kSize, kFactoryFontSize);
  properties_.set(kEditBox, edit::kTextColor, kFactoryTextColour);
  properties_.set(kEditBox, edit::kBackColor, kFactoryBackColour);
  // All three in one write, so that a program killed meanwhile leaves either
  // the writer's settings or the factory ones.
  const host::ConfigurationItem factory[] = {setting_of(kFontSizeKey, edit::kFont, font::kSize),
                                             setting_of(kTextColourKey, edit::kTextColor),
                                             setting_of(kBackColourKey, edit::kBackColor)};
  store_settings(factory);
}

}  // namespace app
