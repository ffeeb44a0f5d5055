#include "host/services/gb18030.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <random>
#include <string>

namespace host::gb18030 {
namespace {

// The build machine's GB18030 encoder, which the four-byte part is taken from.
std::string iconv_gb18030(char32_t code) {
  const iconv_t converter = iconv_open("GB18030", "UTF-32LE");
  char in[4] = {static_cast<char>(code), static_cast<char>(code >> 8), static_cast<char>(code >> 16), 0};
  char out[8];
  char* in_at = in;
  std::size_t in_left = 4;
  char* out_at = out;
  std::size_t out_left = sizeof out;
  const bool converted = iconv(converter, &in_at, &in_left, &out_at, &out_left) != static_cast<std::size_t>(-1);
  iconv_close(converter);
  return converted ? std::string(out, sizeof out - out_left) : std::string();
}

std::u16string utf16_of(char32_t code) {
  if (code < 0x10000) return std::u16string(1, static_cast<char16_t>(code));
  code -= 0x10000;
  return {static_cast<char16_t>(0xD800 + (code >> 10)), static_cast<char16_t>(0xDC00 + (code & 0x3FF))};
}

TEST(Gb18030, KnownCharactersAndBytes) {
  const struct {
    std::string_view bytes;
    std::u16string text;
  } cases[] = {
      {"A 1", u"A 1"},
      {"\xC4\xE3\xBA\xC3", u"你好"},
      {"\x80", u"€"},                   // code page 936's single byte, not GB18030's A2 E3
      {"\xA2\xE3", u"\uE76C"},          // 936's private use, not the euro sign
      {"\xA6\xD9", u"\uE78D"},          // 936's private use, not a vertical form
      {"\xAA\xA1", u"\uE000"},          // a user-defined area
      {"\x95\x32\x82\x36", u"\U00020000"},
      {"\x94\x39\xFC\x36", u"\U0001F600"},
      {"\x81\x30\x81\x30", u"\u0080"},  // the first four-byte code
      // Bytes that begin no character, one lone surrogate each.
      {"\xFF", u"\xDCFF"},
      {"\xB0", u"\xDCB0"},              // a lead byte at the end
      {"\x81\x20", u"\xDC81 "},
      {"\x81\x7F", u"\xDC81\x7F"},
      {"\x81\x30\x81", u"\xDC81" u"0\xDC81"},
      {"\x84\x31\xA5\x30", u"\xDC84" u"1\xDCA5" u"0"},  // past the first plane's codes
      {"\xE4\x30\x81\x30", u"\xDCE4" u"0\xDC81" u"0"},  // past U+10FFFF
  };
  for (const auto& c : cases) {
    EXPECT_EQ(to_utf16(c.bytes), c.text) << c.bytes;
    EXPECT_EQ(from_utf16(c.text), c.bytes) << c.bytes;
  }
}

TEST(Gb18030, CharactersOutsideGbkTakeTheirFourByteForms) {
  // A vertical form that GB18030 has at A6 D9, where 936 has a private-use
  // character: four bytes of its own, and back.
  const std::string vertical = from_utf16(u"\uFE10");
  EXPECT_EQ(vertical.size(), 4u);
  EXPECT_EQ(to_utf16(vertical), u"\uFE10");
  EXPECT_EQ(from_utf16(u"\xD800x\xDFFF"), "?x?");  // lone surrogates that stand for no byte
}

TEST(Gb18030, EveryByteStringComesBackAsItWas) {
  std::string pairs;
  for (int first = 0; first < 256; ++first) {
    for (int second = 0; second < 256; ++second) pairs += {static_cast<char>(first), static_cast<char>(second), ' '};
  }
  EXPECT_EQ(from_utf16(to_utf16(pairs)), pairs);
  std::mt19937 random(18030);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(random() % 24, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random() % 4 == 0 ? 0x30 + random() % 10 : 0x80 + random() % 128);
    ASSERT_EQ(from_utf16(to_utf16(bytes)), bytes) << round;
  }
}

TEST(Gb18030, EveryCharacterComesBackAsItWas) {
  std::u16string all;
  for (char32_t code = 1; code < 0x10000; ++code)
    if (code < 0xD800 || code > 0xDFFF) all += static_cast<char16_t>(code);
  for (char32_t code = 0x10000; code <= 0x10FFFF; code += 0x101) all += utf16_of(code);
  all += utf16_of(0x10FFFF);
  EXPECT_EQ(to_utf16(from_utf16(all)), all);
}

// The four-byte part is GB18030's for every character that code page 936
// has no bytes for and iconv gives four bytes.
TEST(Gb18030, FourByteFormsAreIconvs) {
  int compared = 0;
  const auto check = [&](char32_t code) {
    const std::string ours = from_utf16(utf16_of(code));
    const std::string expected = iconv_gb18030(code);
    if (ours.size() != 4 || expected.size() != 4) return;
    ++compared;
    EXPECT_EQ(ours, expected) << std::hex << static_cast<unsigned>(code);
  };
  for (char32_t code = 0x80; code < 0x10000; ++code)
    if (code < 0xD800 || code > 0xDFFF) check(code);
  for (char32_t code = 0x10000; code <= 0x10FFFF; code += 0x3F) check(code);
  EXPECT_GT(compared, 39000);
}

TEST(Gb18030, OtherProgramsGetReplacementCharactersForLoneBytes) {
  EXPECT_EQ(to_utf16_for_others("a\xFF\x95\x32\x82\x36"), u"a\uFFFD\U00020000");
}

TEST(Gb18030, ExtentsOfCharacters) {
  const struct {
    std::string_view bytes;
    std::size_t length, units;
  } cases[] = {{"a", 1, 1}, {"\xC4\xE3", 2, 1}, {"\x95\x32\x82\x36", 4, 2}, {"\x81\x30\x81\x30", 4, 1},
               {"\xFF", 1, 1}, {"\x81", 1, 1}, {"\x80", 1, 1}};
  for (const auto& c : cases) {
    const Extent extent = first_character(c.bytes);
    EXPECT_EQ(extent.bytes, c.length) << c.bytes;
    EXPECT_EQ(extent.units, c.units) << c.bytes;
  }
  const std::u16string text = u"a你\U00020000\xDC81";
  EXPECT_EQ(byte_length_of_unit(text, 0), 1u);
  EXPECT_EQ(byte_length_of_unit(text, 1), 2u);
  EXPECT_EQ(byte_length_of_unit(text, 2), 4u);
  EXPECT_EQ(byte_length_of_unit(text, 4), 1u);
}

}  // namespace
}  // namespace host::gb18030
