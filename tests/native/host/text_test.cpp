#include "host/services/text.h"

#include "host/services/space_count.h"

#include <gtest/gtest.h>

#include <random>

namespace host {
namespace {

constexpr std::string_view kNiHao = "你好";
constexpr std::string_view kFullWidthSpace = "\xa1\xa1";  // spelled out: it looks like a blank

TEST(LengthOfText, CountsBytes) {
  EXPECT_EQ(length_of_text(Text(kNiHao) + "\r\n"), 6);
  EXPECT_EQ(length_of_text(""), 0);
}

TEST(LeftAndRightOfText, TakeAtMostTheLength) {
  EXPECT_EQ(left_of_text("abc", 5), "abc");
  EXPECT_EQ(left_of_text("abc", 0), "");
  EXPECT_EQ(left_of_text("abc", -1), "");
  EXPECT_EQ(left_of_text("abc", 2), "ab");
  EXPECT_EQ(left_of_text(kNiHao, 1), "\xc4");  // may split a character: the first byte of 你
  EXPECT_EQ(right_of_text("abc", 5), "abc");
  EXPECT_EQ(right_of_text("abc", 0), "");
  EXPECT_EQ(right_of_text("abc", -3), "");
  EXPECT_EQ(right_of_text("abc", 2), "bc");
}

struct SpaceCase {
  std::string_view text;
  std::string_view without_spaces;
};

const SpaceCase kSpaceCases[] = {
    {"", ""},
    {" \xa1\xa1  \xa1\xa1", ""},                      // only spaces of both widths
    {"a b\tc\r\n", "ab\tc\r\n"},                       // tabs and line breaks stay
    {"你 好\xa1\xa1", "你好"},
    {"\xc4\xa1\xa1", "\xc4\xa1"},                      // C4 A1 is one character; the last A1 is a lone lead
    {"a\x81", "a"},                                    // a final lead byte is dropped
    {"\x81 ", "\x81 "},                                // a space as a second byte belongs to its character
    {"\xa1 \xa1", "\xa1 "},
    {"\xa1\xa1\xa1", ""},
    {"x\xb0\xa1\xa1\xa1y", "x\xb0\xa1y"},  // B0 A1 then a full-width space
};

// Digits that follow a lead byte (>= 0x80), walked byte by byte as
// remove_all_spaces walks.
std::size_t digit_trails(std::string_view text) {
  std::size_t digits = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80 || i + 1 == text.size()) {
      ++i;
      continue;
    }
    if (text[i + 1] >= '0' && text[i + 1] <= '9') ++digits;
    i += 2;
  }
  return digits;
}

// Each block-wise counter must agree with the byte-wise walks everywhere,
// including characters that straddle the 64-byte blocks and long runs of
// high bytes whose pairing is carried from block to block.
void expect_counters_agree(std::string_view text) {
  const space_count::Counts expected{text.size() - remove_all_spaces(text).size(), digit_trails(text)};
  const space_count::Counts sse2 = space_count::counts_sse2(text);
  ASSERT_EQ(sse2.removed, expected.removed) << testing::PrintToString(text);
  ASSERT_EQ(sse2.digit_trails, expected.digit_trails) << testing::PrintToString(text);
  if (space_count::cpu_has_avx2()) {
    const space_count::Counts avx2 = space_count::counts_avx2(text);
    ASSERT_EQ(avx2.removed, expected.removed);
    ASSERT_EQ(avx2.digit_trails, expected.digit_trails);
  }
  ASSERT_EQ(space_free_length(text), text.size() - expected.removed);
  ASSERT_EQ(counted_length(text), text.size() - expected.removed - expected.digit_trails);
}

TEST(RemoveAllSpaces, DropsBothWidthsDoubleByteAware) {
  for (const SpaceCase& c : kSpaceCases) {
    EXPECT_EQ(remove_all_spaces(c.text), c.without_spaces) << testing::PrintToString(c.text);
    expect_counters_agree(c.text);
  }
}

TEST(SpaceFreeLength, AgreesWithRemoveAllSpacesOnRandomTexts) {
  constexpr unsigned char kAlphabet[] = {0x20, 0xA1, 0xA1, 0x81, 0xC4, 'a', 0x40, 0x00, 0xFF, '\r', '\n', '0', '9'};
  std::mt19937 random(2024);
  for (int round = 0; round < 3000; ++round) {
    const std::size_t size = random() % 300;
    const int high_bias = round % 3;  // some texts almost all high bytes
    Text text(size, '\0');
    for (char& c : text) {
      c = static_cast<char>(high_bias == 0 && random() % 4 != 0 ? 0xA1 : kAlphabet[random() % std::size(kAlphabet)]);
    }
    expect_counters_agree(text);
  }
}

// A character GBK lacks weighs two bytes, like a Chinese character.
TEST(CountedLength, FourByteCharactersWeighTwo) {
  EXPECT_EQ(counted_length("\xc4\xe3" "\x95\x32\x82\x36" " a1"), 6u);  // 你, U+20000, space, a, 1
  EXPECT_EQ(counted_length("\x81\x30\x81\x30\x81\x30\x81\x30"), 4u);
  EXPECT_EQ(space_free_length("\x95\x32\x82\x36"), 4u);
}

TEST(SpaceFreeLength, LongTextsAcrossBlocks) {
  Text chinese;
  for (int i = 0; i < 1000; ++i) chinese += Text(kNiHao) + " " + Text(kFullWidthSpace);
  EXPECT_EQ(space_free_length(chinese), 4000u);
  EXPECT_EQ(space_free_length(Text(1000, ' ')), 0u);
  EXPECT_EQ(space_free_length(Text(127, '\xa1')), 0u);  // 63 full-width spaces and a final lead byte
  EXPECT_EQ(space_free_length(Text(129, 'x') + "\x81"), 129u);
  for (const std::string_view text : {std::string_view(chinese), std::string_view("\xb0\xa1\xa1\xa1 ")}) {
    expect_counters_agree(text);
  }
}

struct SplitCase {
  std::string_view text;
  std::optional<std::string_view> delimiter;
  std::optional<int> maximum;
  std::vector<Text> members;
};

const SplitCase kSplitCases[] = {
    {"a,b", std::nullopt, std::nullopt, {"a", "b"}},
    {"a\r\n\r\nb", "\r\n", std::nullopt, {"a", "", "b"}},
    {"a\r\nb\r\n", "\r\n", std::nullopt, {"a", "b"}},
    {"", std::nullopt, std::nullopt, {}},
    {"a,b", std::nullopt, 0, {}},
    {"a,b", std::nullopt, -4, {}},
    {"a,b", "", std::nullopt, {"a,b"}},
    {"a,b,c", std::nullopt, 2, {"a", "b"}},
    {"a,b,c", std::nullopt, 5, {"a", "b", "c"}},
    {"abc", std::nullopt, 1, {"abc"}},
    {",a", std::nullopt, std::nullopt, {"", "a"}},
    {",,", std::nullopt, std::nullopt, {"", ""}},
    {"ab", "abc", std::nullopt, {"ab"}},
    {"\xb0,a,b", std::nullopt, std::nullopt, {"\xb0,a", "b"}},  // B0 takes the comma as its second byte
    {"a,\x81", std::nullopt, std::nullopt, {"a", "\x81"}},      // a final lead byte ends the scan
    {"你\xa1\xa1好", kFullWidthSpace, std::nullopt, {"你", "好"}},
    {"\xa1\xa1\xa1", kFullWidthSpace, std::nullopt, {"", "\xa1"}},
};

TEST(SplitText, FollowsTheMemberRules) {
  for (const SplitCase& c : kSplitCases) {
    const Array<Text> result = split_text(c.text, c.delimiter, c.maximum);
    EXPECT_EQ(result.members, c.members) << testing::PrintToString(c.text);
    EXPECT_EQ(result.sizes, std::vector<std::uint32_t>{static_cast<std::uint32_t>(c.members.size())});
  }
}

// Occurrences found inside a character are passed over: the second byte of a
// double-byte character may be a CR, a comma or the first byte of the
// delimiter itself.
const SplitCase kCharacterBoundaryCases[] = {
    {"\x81\r\na\r\nb", "\r\n", std::nullopt, {"\x81\r\na", "b"}},
    {"\xb0\xa1\xa1\xa1\xa1", kFullWidthSpace, std::nullopt, {"\xb0\xa1", "\xa1"}},
    {"\xa1\xa1\xa1\xa1", "\xa1", std::nullopt, {"", "", "", ""}},
    {"\xa3\xac\xa3\xac", "\xac\xa3", std::nullopt, {"\xa3\xac\xa3\xac"}},
    {"a\x81", "\x81", std::nullopt, {"a"}},
};

TEST(SplitText, CutsOnlyWhereACharacterStarts) {
  for (const SplitCase& c : kCharacterBoundaryCases) {
    EXPECT_EQ(split_text(c.text, c.delimiter, c.maximum).members, c.members) << testing::PrintToString(c.text);
  }
}

// Over random texts of line breaks, commas, ASCII and lead bytes: stepping
// through each member by characters from where it starts (the text's start
// or the end of a delimiter), the delimiter first stands where the member
// ends, and the members with the delimiters give back the whole text.
TEST(SplitText, CutsRandomTextsAtTheFirstDelimiterOnACharacterStart) {
  const char alphabet[] = {'\r', '\n', ',', 'a', '\x81', '\xa1', '\xac', '\xb0'};
  const std::string_view delimiters[] = {"\r\n", ",", kFullWidthSpace, "\xa1", "\xac\xa3", "\r\n\r\n"};
  std::mt19937 random(7);
  for (int round = 0; round < 20000; ++round) {
    std::string text(random() % 24, ' ');
    for (char& c : text) c = alphabet[random() % std::size(alphabet)];
    const std::string_view delimiter = delimiters[random() % std::size(delimiters)];
    const auto delimiter_at = [&](std::size_t i) { return text.compare(i, delimiter.size(), delimiter) == 0; };
    std::string joined;
    std::size_t at = 0;
    for (const Text& member : split_text(text, delimiter).members) {
      std::size_t i = at;
      for (; i < at + member.size(); i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1)
        ASSERT_FALSE(delimiter_at(i)) << testing::PrintToString(text) << " " << testing::PrintToString(delimiter);
      at += member.size();
      joined += member;
      if (at < text.size()) {
        ASSERT_EQ(i, at) << testing::PrintToString(text) << " " << testing::PrintToString(delimiter);
        ASSERT_TRUE(delimiter_at(at)) << testing::PrintToString(text) << " " << testing::PrintToString(delimiter);
        at += delimiter.size();
        joined += delimiter;
      }
    }
    EXPECT_EQ(joined, text) << testing::PrintToString(delimiter);
  }
}

TEST(Spaces, MakesHalfWidthSpaces) {
  EXPECT_EQ(spaces(3), "   ");
  EXPECT_EQ(spaces(0), "");
  EXPECT_EQ(spaces(-2), "");
}

struct CompareCase {
  std::string_view a, b;
  bool case_sensitive;
  int order;
};

const CompareCase kCompareCases[] = {
    {"abc", "ABC", false, 0},
    {"abc", "ABC", true, 1},
    {"a", "b", true, -1},
    {"ab", "a", false, 1},
    {"", "", true, 0},
    {"", "a", false, -1},
    {"\x81\x61", "\x81\x41", false, 1},     // second bytes are never folded
    {"\x81\x61x", "\x81\x61X", false, 0},  // but the letter after the character is
    {"\x81\x40", "z", false, 1},           // double-byte characters sort after ASCII
    {"_", "A", false, -1},                 // letters fold to lower case
    {"你", "你", true, 0},
    {"\xc4", "你", true, -1},
};

TEST(CompareTexts, IsMultiByteAware) {
  for (const CompareCase& c : kCompareCases) {
    const int order = compare_texts(c.a, c.b, c.case_sensitive);
    EXPECT_EQ((order > 0) - (order < 0), c.order) << testing::PrintToString(c.a) << " " << testing::PrintToString(c.b);
  }
}

TEST(JoinTexts, ConcatenatesInOrder) {
  EXPECT_EQ(join_texts({"a", "", "bc", kNiHao}), "abc" + Text(kNiHao));
  EXPECT_EQ(join_texts({}), "");
}

TEST(TextOrder, ComparesUnsignedBytes) {
  EXPECT_EQ(text_order("a", "b"), -1);
  EXPECT_EQ(text_order("b", "a"), 1);
  EXPECT_EQ(text_order("\x80", "a"), 1);
  EXPECT_EQ(text_order("", ""), 0);
  EXPECT_EQ(text_order("ab", "a"), 1);
  EXPECT_EQ(text_order("A", "a"), -1);
}

}  // namespace
}  // namespace host
