// The configuration-file services: one item of an INI file read or written.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "host/services/value.h"

namespace host {

// Values longer than this are cut to it, without splitting a double-byte
// character.
inline constexpr std::size_t kMaxConfigValueBytes = 10239;

// Leading bytes <= 0x20 are skipped in file name, section and key; when any of
// them is then empty the result is empty (not the default). Otherwise the
// stored value, or the default when the file, section or key is missing.
Text read_configuration_item(const Text& file_name, const Text& section, const Text& key,
                             const Text& default_value = {});

// The same over the file's bytes, once read: what read_configuration_item
// gives for a file holding `content` (empty for a missing file).
Text configuration_item_in(std::string_view content, const Text& section, const Text& key,
                           const Text& default_value = {});

// Stores key=value in the section, creating the file, section or key as
// needed; no key removes the whole section, no value removes the key. The file
// is replaced as a whole (see write_file) and keeps every other byte. False
// when the file is there but cannot be read, and for a section, key or value
// that would not read back as written (a line break, '=' in the key, a key
// starting with ';' or '[').
bool write_configuration_item(const Text& file_name, const Text& section, const std::optional<Text>& key,
                              const std::optional<Text>& value);

struct ConfigurationItem {
  Text key;
  Text value;
};

// Stores every key=value in the section in one replacement of the file, so
// that a program killed meanwhile leaves all the old values or all the new.
bool write_configuration_items(const Text& file_name, const Text& section, std::span<const ConfigurationItem> items);

}  // namespace host
