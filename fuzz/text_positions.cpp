// Byte positions in a text turned into the UTF-16 positions the edit box
// counts, over arbitrary bytes and positions: every character boundary maps
// to the number of UTF-16 units the codec makes of the bytes before it, and a
// position inside a character to its start, so a selection read from the
// edit box and set again lands where it was.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_input.h"
#include "host/services/gb18030.h"
#include "host/units/text_positions.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const std::size_t position = input.byte() | static_cast<std::size_t>(input.byte()) << 8;
  const std::string_view text = input.text();

  // Never more units than bytes, never decreasing, nothing past the end.
  const std::size_t whole = host::utf16_offset_of_byte(text, text.size());
  check(whole <= text.size());
  check(host::utf16_offset_of_byte(text, position) <= std::min(position, text.size()));
  check(host::utf16_offset_of_byte(text, text.size() + 1 + position) == whole);
  if (position < text.size())
    check(host::utf16_offset_of_byte(text, position) <= host::utf16_offset_of_byte(text, position + 1));

  check(whole == host::gb18030::to_utf16(text).size());
  for (std::size_t byte = 0; byte < text.size();) {
    const std::size_t units = host::gb18030::to_utf16(text.substr(0, byte)).size();
    const std::size_t width = host::gb18030::first_character(text.substr(byte)).bytes;
    for (std::size_t inside = 0; inside < width; ++inside) check(host::utf16_offset_of_byte(text, byte + inside) == units);
    byte += width;
  }
  return 0;
}
