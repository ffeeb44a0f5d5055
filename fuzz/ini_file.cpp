// Reading and editing arbitrary INI bytes: nothing breaks, and every edit the
// settings service can make reads back as made.
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "host/services/ini_file.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

bool has_line_break(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// What the settings service lets through to the INI module.
bool storable(std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view name = trimmed(key);
  return !trimmed(section).empty() && !name.empty() && !has_line_break(section) && !has_line_break(key) &&
         !has_line_break(value) && name.find('=') == std::string_view::npos && name.front() != ';' &&
         name.front() != '[';
}

// A value reads back without its blanks and without one pair of quotes.
std::string expected(std::string_view value) {
  value = trimmed(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const std::string_view ini = input.text();
  const std::string_view section = input.text();
  const std::string_view key = input.text();
  const std::string_view value = input.text();
  host::ini::find_value(ini, section, key);
  if (!storable(section, key, value)) return 0;

  const host::Text stored = host::ini::with_value(ini, section, key, value);
  check(host::ini::find_value(stored, section, key) == expected(value));
  check(!host::ini::find_value(host::ini::without_key(stored, section, key), section, key));
  check(!host::ini::find_value(host::ini::without_section(stored, section), section, key));
  return 0;
}
