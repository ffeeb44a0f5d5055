// The settings file is GBK whatever the system's code page is, so it is read
// and edited here rather than through the ANSI profile functions, which
// convert through the system code page and can fold a GBK second byte as if
// it were an ASCII letter. Writes go through write_file and so replace the
// file as a whole or not at all.
#include "host/services/config.h"

#include "host/services/files.h"
#include "host/services/ini_file.h"

namespace host {
namespace {

std::string_view without_leading_controls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20) text.remove_prefix(1);
  return text;
}

// Never ends inside a double-byte character.
Text cut_to_longest_value(Text value) {
  if (value.size() <= kMaxConfigValueBytes) return value;
  std::size_t end = 0;
  while (end < kMaxConfigValueBytes) {
    const std::size_t next = end + (static_cast<unsigned char>(value[end]) >= 0x80 ? 2 : 1);
    if (next > kMaxConfigValueBytes) break;
    end = next;
  }
  value.resize(end);
  return value;
}

bool has_line_break(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// A name or value that would not read back as written: a line break would
// end the entry early and could start a new section, '=' would end the key,
// and a key starting with ';' or '[' would read as a comment or a section.
bool can_store(std::string_view section, const std::optional<std::string_view>& key,
               const std::optional<Text>& value) {
  if (has_line_break(section) || (value && has_line_break(*value))) return false;
  if (!key) return true;
  return !key->empty() && !has_line_break(*key) && key->find('=') == std::string_view::npos && key->front() != ';' &&
         key->front() != '[';
}

std::string_view as_text(const Bytes& bytes) {
  return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

Text configuration_item_in(std::string_view content, const Text& section, const Text& key, const Text& default_value) {
  const std::string_view section_name = without_leading_controls(section);
  const std::string_view key_name = without_leading_controls(key);
  if (section_name.empty() || key_name.empty()) return {};
  return cut_to_longest_value(ini::find_value(content, section_name, key_name).value_or(default_value));
}

Text read_configuration_item(const Text& file_name, const Text& section, const Text& key, const Text& default_value) {
  const std::string_view file = without_leading_controls(file_name);
  if (file.empty()) return {};
  return configuration_item_in(as_text(read_file(Text(file))), section, key, default_value);
}

namespace {

// Reads the file, edits its text and writes it back as a whole; a file that
// is there but cannot be read is left alone, as replacing it would lose it.
template <class Edit>
bool rewrite(std::string_view file, Edit edit) {
  const Text path(file);
  const std::optional<Bytes> content = read_whole_file(path);
  if (!content) return false;
  const std::string_view old_text = as_text(*content);
  const Text new_text = edit(old_text);
  if (new_text == old_text) return true;  // nothing to do, and no file made for nothing
  return write_file(path, std::span(reinterpret_cast<const std::uint8_t*>(new_text.data()), new_text.size()));
}

}  // namespace

bool write_configuration_item(const Text& file_name, const Text& section, const std::optional<Text>& key,
                              const std::optional<Text>& value) {
  const std::string_view file = without_leading_controls(file_name);
  const std::string_view section_name = without_leading_controls(section);
  std::optional<std::string_view> key_name;
  if (key) key_name = without_leading_controls(*key);
  if (file.empty() || section_name.empty() || !can_store(section_name, key_name, value)) return false;
  return rewrite(file, [&](std::string_view old_text) {
    return !key_name ? ini::without_section(old_text, section_name)
           : !value  ? ini::without_key(old_text, section_name, *key_name)
                     : ini::with_value(old_text, section_name, *key_name, *value);
  });
}

bool write_configuration_items(const Text& file_name, const Text& section, std::span<const ConfigurationItem> items) {
  const std::string_view file = without_leading_controls(file_name);
  const std::string_view section_name = without_leading_controls(section);
  if (file.empty() || section_name.empty()) return false;
  for (const ConfigurationItem& item : items) {
    if (!can_store(section_name, without_leading_controls(item.key), item.value)) return false;
  }
  return rewrite(file, [&](std::string_view old_text) {
    Text text(old_text);
    for (const ConfigurationItem& item : items)
      text = ini::with_value(text, section_name, without_leading_controls(item.key), item.value);
    return text;
  });
}

}  // namespace host
