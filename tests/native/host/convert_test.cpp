#include "host/services/convert.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace host {
namespace {

struct TextCase {
  Value value;
  std::string_view text;
};

const TextCase kTextCases[] = {
    {std::uint8_t{255}, "255"},
    {std::int16_t{-5}, "-5"},
    {std::int32_t{INT_MIN}, "-2147483648"},
    {std::int64_t{INT64_MIN}, "-9223372036854775808"},
    {0.1f, "0.1"},
    {1e20f, "1e+20"},
    {123456789.0f, "1.23457e+08"},
    {0.5, "0.5"},
    {1.0 / 3, "0.3333333333333"},
    {100.0, "100"},
    {1e100, "1e+100"},
    {-0.0, "-0"},
    {true, "真"},
    {false, "假"},
    {DateTime{0}, "1899年12月30日"},
    {Text("abc"), "abc"},
    {Bytes{'a', 'b', 0, 'c'}, "ab"},
    {Bytes{'x'}, "x"},
    {Omitted{}, ""},
    {SubroutineAddress{5}, ""},
};

TEST(ToText, FormatsEveryKind) {
  for (const TextCase& c : kTextCases) EXPECT_EQ(to_text(c.value), c.text) << c.value.index();
  EXPECT_EQ(to_text(true), "\xd5\xe6");  // the GBK bytes themselves
}

struct IntegerCase {
  Value value;
  std::int32_t integer;
};

const IntegerCase kIntegerCases[] = {
    {Text("１８"), 18},
    {Text("abc"), 0},
    {Text(""), 0},
    {Text("  -12abc"), -12},
    {Text("+7"), 7},
    {Text("\t\r\n 42"), 42},
    {Text("－5"), -5},
    {Text("\xa1\xa1" "3"), 3},  // full-width space
    {Text("- 3"), 0},
    {Text("2147483647"), INT_MAX},
    {Text("2147483648"), INT_MAX},
    {Text("-2147483648"), INT_MIN},
    {Text("-99999999999999999999"), INT_MIN},
    {2.9, 2},
    {-2.9, -2},
    {1e10, INT_MAX},
    {-1e10, INT_MIN},
    {std::numeric_limits<double>::quiet_NaN(), 0},
    {std::numeric_limits<double>::infinity(), INT_MAX},
    {3.7f, 3},
    {std::int64_t{0x100000005}, 5},
    {std::int64_t{-1}, -1},
    {std::int64_t{0x80000000}, INT_MIN},
    {true, 1},
    {std::uint8_t{200}, 200},
    {std::int16_t{-3}, -3},
    {SubroutineAddress{0xFFFFFFFF}, -1},
    {DateTime{5}, 0},
    {Bytes{'1'}, 0},
    {Omitted{}, 0},
};

TEST(ToInteger, ReadsAndTruncates) {
  for (const IntegerCase& c : kIntegerCases) EXPECT_EQ(to_integer(c.value), c.integer) << to_text(c.value);
}

struct NumberCase {
  Value value;
  double number;
};

const NumberCase kNumberCases[] = {
    {Text("3.5"), 3.5},
    {Text(" -2.5e3x"), -2500},
    {Text("１．５"), 1.5},
    {Text("abc"), 0},
    {Text("."), 0},
    {Text("-"), 0},
    {Text("1e"), 1},
    {Text("1e+"), 1},
    {Text(".5"), 0.5},
    {Text("5."), 5},
    {Text("inf"), 0},
    {Text("nan"), 0},
    {Text("0x10"), 0},
    {Text("1e999"), HUGE_VAL},
    {Text("-1e999"), -HUGE_VAL},
    {Text("0.0001e312"), 1e308},
    {Text("1e-999"), 0},
    {Text("100000e-999"), 0},
    {std::int32_t{7}, 7},
    {true, 1},
    {0.5f, 0.5},
    {std::int64_t{1} << 40, 1099511627776.0},
    {DateTime{3}, 0},
    {Bytes{'1'}, 0},
    {SubroutineAddress{1}, 0},
};

TEST(ToNumber, ReadsDecimalNumbers) {
  for (const NumberCase& c : kNumberCases) EXPECT_EQ(to_number(c.value), c.number) << to_text(c.value);
}

TEST(FoldFullWidth, FoldsOnlyTheListedCharacters) {
  EXPECT_EQ(fold_full_width("Ａ￣！"), "A~!");
  EXPECT_EQ(fold_full_width("\xa1\xa1\xa1\xab\xa1\xee\xa1\xef"), " ~**");
  EXPECT_EQ(fold_full_width("\xa3\xa0"), "\xa3\xa0");        // would give a control byte
  EXPECT_EQ(fold_full_width("你"), "你");                    // other characters stay
  EXPECT_EQ(fold_full_width("a\xa3"), "a\xa3");              // a final lead byte stays
  EXPECT_EQ(fold_full_width("\xb0\xa3\xb1"), "\xb0\xa3\xb1");  // A3 here is a second byte
}

struct BytesCase {
  Value value;
  Bytes bytes;
};

const BytesCase kBytesCases[] = {
    {Text("ab"), {'a', 'b'}},
    {Text(""), {}},
    {std::uint8_t{0x7f}, {0x7f}},
    {std::int16_t{0x1234}, {0x34, 0x12}},
    {std::int32_t{0x01020304}, {4, 3, 2, 1}},
    {std::int64_t{-2}, {0xfe, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}},
    {1.0f, {0, 0, 0x80, 0x3f}},
    {1.0, {0, 0, 0, 0, 0, 0, 0xf0, 0x3f}},
    {DateTime{1.0}, {0, 0, 0, 0, 0, 0, 0xf0, 0x3f}},
    {true, {1, 0, 0, 0}},
    {SubroutineAddress{0xAABBCCDD}, {0xdd, 0xcc, 0xbb, 0xaa}},
    {Bytes{1, 0, 2}, {1, 0, 2}},
    {Omitted{}, {}},
};

TEST(ToByteArray, LittleEndianAtEachWidth) {
  for (const BytesCase& c : kBytesCases) EXPECT_EQ(to_byte_array(c.value), c.bytes) << c.value.index();
}

TEST(ToByteArray, ArraysGiveAllMembers) {
  EXPECT_EQ(to_byte_array(Array<std::int16_t>::one_dimensional({1, -1})), (Bytes{1, 0, 0xff, 0xff}));
  EXPECT_EQ(to_byte_array(Array<std::uint8_t>::one_dimensional({9, 8})), (Bytes{9, 8}));
  EXPECT_EQ(to_byte_array(Array<double>::one_dimensional({})), Bytes{});
}

}  // namespace
}  // namespace host
