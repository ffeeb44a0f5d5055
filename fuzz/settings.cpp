// The settings file as the program reads it at every focus gain of the edit
// box, from arbitrary file bytes: each of the three keys of section 配置
// looked up with its factory value as the default, read as a number
// (full-width digits included), and made a font height as the font size is.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "host/forms/font_fields.h"
#include "host/services/config.h"
#include "host/services/convert.h"
#include "host/services/ini_file.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

// The names in GBK, as the program stores them (clang cannot encode GBK
// literals).
const host::Text kSection = "\xC5\xE4\xD6\xC3";  // 配置

struct Setting {
  host::Text key;
  std::int32_t factory;
};

const Setting kSettings[] = {
    {"\xCE\xC4\xB1\xBE\xD1\xD5\xC9\xAB", 0xFF0000},  // 文本颜色
    {"\xB1\xB3\xBE\xB0\xD1\xD5\xC9\xAB", 0xC080FF},  // 背景颜色
    {"\xD7\xD6\xCC\xE5\xB4\xF3\xD0\xA1", 18},        // 字体大小
};

bool is_lead_byte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Whether `cut` ends where a character of `whole` ends, reading from the start.
bool ends_on_character(const std::string& whole, std::size_t cut) {
  std::size_t i = 0;
  while (i < cut) i += is_lead_byte(whole[i]) ? 2 : 1;
  return i == cut;
}

// Plain half-width digits, few enough to fit an int: the number they spell.
std::optional<std::int32_t> plain_number(const std::string& text) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return std::stoi(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  for (const Setting& setting : kSettings) {
    const host::Text factory = host::to_text(host::Value{setting.factory});
    const host::Text value = host::configuration_item_in(file, kSection, setting.key, factory);
    const std::optional<host::Text> stored = host::ini::find_value(file, kSection, setting.key);

    // The stored value, cut to the longest a value may be without splitting a
    // character, or the factory value when the file has none.
    check(value.size() <= host::kMaxConfigValueBytes);
    if (!stored) {
      check(value == factory);
    } else {
      check(stored->starts_with(value));
      check(value.size() == stored->size() || ends_on_character(*stored, value.size()));
      check(value.size() == stored->size() || value.size() + 2 > host::kMaxConfigValueBytes);
    }

    // Full-width digits read as their half-width twins.
    const std::int32_t number = host::to_integer(host::Value{value});
    check(number == host::to_integer(host::Value{host::fold_full_width(value)}));
    if (const std::optional<std::int32_t> plain = plain_number(host::fold_full_width(value))) check(number == *plain);

    // Any number makes a font: a character height (never positive), which
    // reads back as a size that is not negative.
    for (const int dpi : {72, 96, 120, 144}) {
      const std::int32_t height = host::font_height_of_size(number, dpi);
      check(height <= 0);
      check(host::font_size_of_height(height, dpi) >= 0);
    }
  }
  return 0;
}
