#include "host/units/text_positions.h"

#include <algorithm>

#include "host/services/gb18030.h"

namespace host {

std::size_t utf16_offset_of_byte(std::string_view text, std::size_t byte_position) {
  const std::size_t end = std::min(byte_position, text.size());
  std::size_t units = 0;
  for (std::size_t at = 0; at < end;) {
    const gb18030::Extent character = gb18030::first_character(text.substr(at));
    if (at + character.bytes > end) break;
    at += character.bytes;
    units += character.units;
  }
  return units;
}

}  // namespace host
