#include "host/services/numbers.h"

#include <gtest/gtest.h>

#include <climits>

namespace host {
namespace {

TEST(Numbers, AbsoluteValueAndOr) {
  EXPECT_EQ(absolute_value(-2.5), 2.5);
  EXPECT_EQ(absolute_value(3), 3);
  EXPECT_EQ(bitwise_or({1, 2}), 3);
  EXPECT_EQ(bitwise_or({0x10, 0x01, 0x100}), 0x111);
  EXPECT_EQ(bitwise_or({INT_MIN, 1}), INT_MIN + 1);
}

TEST(Numbers, ShiftLeftCountsModulo32) {
  EXPECT_EQ(shift_left(1, 4), 16);
  EXPECT_EQ(shift_left(1, 36), 16);
  EXPECT_EQ(shift_left(1, 31), INT_MIN);
  EXPECT_EQ(shift_left(-1, 1), -2);
  EXPECT_EQ(shift_left(3, 32), 3);
  EXPECT_EQ(shift_left(1, -1), INT_MIN);  // -1 mod 32 is 31
  EXPECT_EQ(shift_left(INT_MAX, 1), -2);
}

TEST(Numbers, ByteArrays) {
  EXPECT_EQ(byte_array_length({}), 0);
  EXPECT_EQ(byte_array_length({1, 2, 3}), 3);
  EXPECT_EQ(zero_byte_array(3), (Bytes{0, 0, 0}));
  EXPECT_TRUE(zero_byte_array(0).empty());
  EXPECT_TRUE(zero_byte_array(-5).empty());
  EXPECT_EQ(member_count(Array<int>{{2, 3}, {}}), 6);
}

}  // namespace
}  // namespace host
