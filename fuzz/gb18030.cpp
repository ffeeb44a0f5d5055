// The GB18030 codec loses nothing: any bytes to UTF-16 and back are the same
// bytes, and any UTF-16 without lone surrogates to bytes and back is the
// same text; a character's extent agrees with the decoding.
#include <cstdlib>
#include <string>
#include <string_view>

#include "host/services/gb18030.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

bool is_high(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool is_low(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The input read as UTF-16 units, with every lone surrogate made an 'x'.
std::u16string text_of(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < size; i += 2) text += static_cast<char16_t>(data[i] | data[i + 1] << 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (is_high(text[i]) && i + 1 < text.size() && is_low(text[i + 1])) {
      ++i;
    } else if (is_high(text[i]) || is_low(text[i])) {
      text[i] = u'x';
    }
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string decoded = host::gb18030::to_utf16(bytes);
  check(host::gb18030::from_utf16(decoded) == bytes);
  if (!bytes.empty()) {
    const host::gb18030::Extent first = host::gb18030::first_character(bytes);
    check(first.bytes >= 1 && first.bytes <= bytes.size());
    check(host::gb18030::to_utf16(bytes.substr(0, first.bytes)).size() == first.units);
  }

  const std::u16string text = text_of(data, size);
  check(host::gb18030::to_utf16(host::gb18030::from_utf16(text)) == text);
  return 0;
}
