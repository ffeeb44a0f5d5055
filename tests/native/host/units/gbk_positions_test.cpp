#include "host/units/gbk_positions.h"

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(GbkPositions, DoubleByteCharactersCountOneUnit) {
  const std::string text = "\xd6\xd0\xce\xc4" "ab\r\n\xd6\xd0";  // 中文ab CR LF 中
  struct Row {
    std::size_t byte;
    std::size_t units;
  };
  const Row rows[] = {{0, 0}, {2, 1}, {4, 2}, {5, 3}, {6, 4}, {8, 6}, {10, 7}, {11, 7}, {100, 7}};
  for (const Row& row : rows) EXPECT_EQ(utf16_offset_of_byte(text, row.byte), row.units) << row.byte;
}

TEST(GbkPositions, APositionInsideACharacterCountsFromItsStart) {
  const std::string text = "a\xd6\xd0" "b";
  EXPECT_EQ(utf16_offset_of_byte(text, 2), 1u);
  EXPECT_EQ(utf16_offset_of_byte(text, 3), 2u);
}

TEST(GbkPositions, ALoneLeadByteAtTheEndIsOneUnit) {
  EXPECT_EQ(utf16_offset_of_byte("a\xd6", 2), 2u);
  EXPECT_EQ(utf16_offset_of_byte("", 5), 0u);
}

}  // namespace
}  // namespace host
