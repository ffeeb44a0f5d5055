// The edit box's text colour, background colour and font size, kept in the
// configuration file beside the program. The file is the one source: it is
// applied on every focus gain of the edit box, and every choice is written to
// it at once.
#pragma once

#include <cstdint>
#include <span>

#include "app/unit_properties.h"
#include "host/host_api.h"

namespace app {

inline constexpr std::int32_t kFactoryTextColour = 0xFF0000;  // blue, as COLORREF
inline constexpr std::int32_t kFactoryBackColour = 0xC080FF;  // pink
inline constexpr std::int32_t kFactoryFontSize = 18;          // points

class Appearance {
 public:
  explicit Appearance(host::HostApi& host);

  void load_configuration();
  // The colour picker opens its choice; the choice arrives as its
  // colour-changed event.
  void choose_text_colour();
  void choose_back_colour();
  void apply_chosen_colour();
  void choose_font();
  void restore_configuration();

 private:
  enum class ColourTarget : std::int32_t { Back = 0, Text = 1 };

  void open_colour_picker(ColourTarget target);
  host::Text configuration_file();
  host::Text read_setting(const char* key, std::int32_t factory_value);
  // What the edit box holds now, as read back from it, stored under `key`.
  host::ConfigurationItem setting_of(const char* key, int index, int array_index = -1);
  void store_settings(std::span<const host::ConfigurationItem> items);
  void store_setting(const char* key, int index, int array_index = -1);

  host::HostApi& host_;
  UnitProperties properties_;
  ColourTarget colour_target_ = ColourTarget::Back;
};

}  // namespace app
