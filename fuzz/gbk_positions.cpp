// Byte positions in a GBK text turned into the UTF-16 positions the edit box
// counts, over arbitrary bytes and positions. Texts that the C library's GBK
// decoder takes whole are checked against it: every character boundary maps
// to the number of UTF-16 units before it, and a position inside a
// double-byte character to its start, so a selection read from the edit box
// and set again lands where it was.
#include <iconv.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "host/units/gbk_positions.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

// How many bytes each character of the text takes, as the C library's GBK
// decoder reads it one UTF-16 unit at a time, or nothing when it rejects any
// of it.
std::optional<std::vector<std::size_t>> character_widths(std::string_view gbk) {
  static const iconv_t converter = iconv_open("UTF-16LE", "GBK");
  check(converter != reinterpret_cast<iconv_t>(-1));
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  std::string in(gbk);
  char* in_next = in.data();
  std::size_t in_left = in.size();
  std::vector<std::size_t> widths;
  while (in_left > 0) {
    char16_t unit;
    auto* out_next = reinterpret_cast<char*>(&unit);
    std::size_t out_left = sizeof unit;
    const std::size_t before = in_left;
    iconv(converter, &in_next, &in_left, &out_next, &out_left);
    if (out_left != 0) return std::nullopt;  // nothing decoded: an invalid or cut sequence
    widths.push_back(before - in_left);
  }
  return widths;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const std::size_t position = input.byte() | static_cast<std::size_t>(input.byte()) << 8;
  const std::string_view gbk = input.text();

  // Never more units than bytes, never decreasing, nothing past the end.
  const std::size_t whole = host::utf16_offset_of_byte(gbk, gbk.size());
  check(whole <= gbk.size());
  check(host::utf16_offset_of_byte(gbk, position) <= std::min(position, gbk.size()));
  check(host::utf16_offset_of_byte(gbk, gbk.size() + 1 + position) == whole);
  if (position < gbk.size())
    check(host::utf16_offset_of_byte(gbk, position) <= host::utf16_offset_of_byte(gbk, position + 1));

  const std::optional<std::vector<std::size_t>> widths = character_widths(gbk);
  if (!widths) return 0;
  check(whole == widths->size());
  std::size_t byte = 0;
  for (std::size_t unit = 0; unit < widths->size(); ++unit) {
    check(host::utf16_offset_of_byte(gbk, byte) == unit);
    for (std::size_t inside = 1; inside < (*widths)[unit]; ++inside)
      check(host::utf16_offset_of_byte(gbk, byte + inside) == unit);
    byte += (*widths)[unit];
  }
  check(byte == gbk.size());
  return 0;
}
