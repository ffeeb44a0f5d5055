// Positions in a text (bytes, as the program counts) against positions in
// its UTF-16 form, for the edit control, which counts UTF-16 units.
#pragma once

#include <cstddef>
#include <string_view>

namespace host {

// How many UTF-16 units the text's first `byte_position` bytes make; a
// position inside a character counts from that character's start, and a
// position past the end from the end.
std::size_t utf16_offset_of_byte(std::string_view text, std::size_t byte_position);

}  // namespace host
