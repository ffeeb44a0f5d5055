#include "host/units/text_positions.h"

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(TextPositions, DoubleByteCharactersCountOneUnit) {
  const std::string text = "\xd6\xd0\xce\xc4" "ab\r\n\xd6\xd0";  // 中文ab CR LF 中
  struct Row {
    std::size_t byte;
    std::size_t units;
  };
  const Row rows[] = {{0, 0}, {2, 1}, {4, 2}, {5, 3}, {6, 4}, {8, 6}, {10, 7}, {11, 7}, {100, 7}};
  for (const Row& row : rows) EXPECT_EQ(utf16_offset_of_byte(text, row.byte), row.units) << row.byte;
}

TEST(TextPositions, APositionInsideACharacterCountsFromItsStart) {
  const std::string text = "a\xd6\xd0" "b";
  EXPECT_EQ(utf16_offset_of_byte(text, 2), 1u);
  EXPECT_EQ(utf16_offset_of_byte(text, 3), 2u);
}

TEST(TextPositions, ALoneLeadByteAtTheEndIsOneUnit) {
  EXPECT_EQ(utf16_offset_of_byte("a\xd6", 2), 2u);
  EXPECT_EQ(utf16_offset_of_byte("", 5), 0u);
}

// Four bytes: one unit in the first plane, a surrogate pair beyond it.
TEST(TextPositions, FourByteCharactersCountTheirUnits) {
  const std::string text = "\x81\x30\x81\x30" "\x95\x32\x82\x36" "a";  // U+0080, U+20000, a
  EXPECT_EQ(utf16_offset_of_byte(text, 4), 1u);
  EXPECT_EQ(utf16_offset_of_byte(text, 6), 1u);
  EXPECT_EQ(utf16_offset_of_byte(text, 8), 3u);
  EXPECT_EQ(utf16_offset_of_byte(text, 9), 4u);
}

}  // namespace
}  // namespace host
