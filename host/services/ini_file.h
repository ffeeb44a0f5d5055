// INI text (GBK bytes) read the way the platform's profile functions read it,
// and edited in place so that everything not edited stays byte for byte.
//
// Lines end at LF (a CR before it belongs to the line break). Blanks around
// section names, key names and values do not count. "[name]" starts a section
// (the name runs to the last ']'); "key=value" is an entry; a line starting
// with ';' and any other line without '=' are kept but never match. Section
// and key names match without regard to the case of ASCII letters; the first
// section of a name holds its entries and the first entry of a key wins.
#pragma once

#include <optional>
#include <string_view>

#include "host/services/value.h"

namespace host::ini {

// The key's value without the blanks around it and without one pair of
// enclosing quotes (' or "); nothing when the section or key is missing.
std::optional<Text> find_value(std::string_view ini, std::string_view section, std::string_view key);

// The text with key=value stored: the key's value replaced where it is, else a
// new entry after the section's last entry, else a new section at the end.
// New lines end with the text's own line break (CR LF when it has none).
Text with_value(std::string_view ini, std::string_view section, std::string_view key, std::string_view value);

// The text without the key's entries in the section.
Text without_key(std::string_view ini, std::string_view section, std::string_view key);

// The text without the section: every section of that name with its lines.
Text without_section(std::string_view ini, std::string_view section);

}  // namespace host::ini
