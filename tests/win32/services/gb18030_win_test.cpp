// The codec's one- and two-byte part against the platform's code page 936,
// over every sequence.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "host/services/gb18030.h"

namespace host::gb18030 {
namespace {

// The platform's strict decoding of the bytes as one character, or nothing.
std::u16string platform_decoding(const std::string& bytes) {
  wchar_t decoded[2] = {};
  const int units = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                        decoded, 2);
  return units == 1 ? std::u16string(1, static_cast<char16_t>(decoded[0])) : std::u16string();
}

TEST(Gb18030, OneAndTwoByteCharactersAreCodePage936s) {
  int characters = 0;
  for (int first = 0x80; first <= 0xFF; ++first) {
    const std::string single(1, static_cast<char>(first));
    const std::u16string platform = platform_decoding(single);
    EXPECT_EQ(to_utf16(single), platform.empty() ? std::u16string(1, static_cast<char16_t>(kLoneByteBase + first)) : platform)
        << first;
    for (int second = 0x40; second <= 0xFE; ++second) {
      const std::string pair{static_cast<char>(first), static_cast<char>(second)};
      const std::u16string decoded = platform_decoding(pair);
      if (decoded.empty()) continue;
      ++characters;
      ASSERT_EQ(to_utf16(pair), decoded) << first << " " << second;
      ASSERT_EQ(from_utf16(decoded), pair) << first << " " << second;
    }
  }
  EXPECT_EQ(characters, 23940);
}

}  // namespace
}  // namespace host::gb18030
