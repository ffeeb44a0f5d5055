#include "host/forms/font_fields.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace host {
namespace {

constexpr int kDpi = 96;

TEST(FontFields, SizeAndHeightGoThroughTheDpi) {
  EXPECT_EQ(font_height_of_size(18, 96), -24);
  EXPECT_EQ(font_height_of_size(-18, 96), -24);
  EXPECT_EQ(font_height_of_size(11, 96), -15);  // 14.67 rounds up
  EXPECT_EQ(font_height_of_size(18, 120), -30);
  EXPECT_EQ(font_height_of_size(0, 96), 0);
  EXPECT_EQ(font_size_of_height(-24, 96), 18);
  EXPECT_EQ(font_size_of_height(24, 96), 18);
  EXPECT_EQ(font_size_of_height(-15, 96), 11);
}

// A settings file can hold any size (a long row of digits reads as the
// largest int): the height is the largest the int holds, still a character
// height (negative), never a wrapped one.
TEST(FontFields, SizesBeyondTheIntRangeOfHeightsSaturate) {
  EXPECT_EQ(font_height_of_size(INT32_MAX, 96), -INT32_MAX);
  EXPECT_EQ(font_height_of_size(INT32_MIN, 96), -INT32_MAX);
  EXPECT_EQ(font_height_of_size(1610612735, 96), -2147483647);  // the largest size whose height fits
  EXPECT_EQ(font_height_of_size(1610612736, 96), -INT32_MAX);
  EXPECT_EQ(font_size_of_height(INT32_MIN, 1), INT32_MAX);
  EXPECT_EQ(font_size_of_height(INT32_MAX, 96), 1610612735);
}

TEST(FontFields, MinusEighteenAndEighteenGiveTheSameFont) {
  FontFields a = font_fields_of(FontDefinition{});
  FontFields b = a;
  write_font_field(a, prop::font::kSize, std::int32_t{-18}, kDpi);
  write_font_field(b, prop::font::kSize, std::int32_t{18}, kDpi);
  EXPECT_EQ(a, b);
  EXPECT_EQ(read_font_field(a, prop::font::kSize, kDpi), Value{std::int32_t{18}});
}

TEST(FontFields, EachSubFieldChangesOnlyItself) {
  const FontFields start = font_fields_of({.height = -24, .weight = 400, .face = "宋体"});
  struct Row {
    int field;
    Value written;
    Value read_back;
  };
  const Row rows[] = {
      {prop::font::kAngle, std::int32_t{4500}, std::int32_t{900}},
      {prop::font::kAngle, std::int32_t{-450}, std::int32_t{-450}},
      {prop::font::kBold, true, true},
      {prop::font::kItalic, std::int32_t{2}, true},
      {prop::font::kUnderline, true, true},
      {prop::font::kStrikeOut, true, true},
      {prop::font::kSize, std::int32_t{12}, std::int32_t{12}},
      {prop::font::kFace, Text("Arial"), Text("Arial")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.field);
    FontFields font = start;
    write_font_field(font, row.field, row.written, kDpi);
    EXPECT_EQ(read_font_field(font, row.field, kDpi), row.read_back);
    for (int other = prop::font::kAngle; other <= prop::font::kFace; ++other)
      if (other != row.field) EXPECT_EQ(read_font_field(font, other, kDpi), read_font_field(start, other, kDpi));
  }
}

TEST(FontFields, BoldIsWeight700OrNothing) {
  FontFields font = font_fields_of({});
  write_font_field(font, prop::font::kBold, true, kDpi);
  EXPECT_EQ(font.weight, 700);
  write_font_field(font, prop::font::kBold, false, kDpi);
  EXPECT_EQ(font.weight, 0);
}

TEST(FontFields, FaceMustHoldOneToThirtyOneBytes) {
  FontFields font = font_fields_of({});
  const Text song_ti = "\xcb\xce\xcc\xe5";  // 宋体
  write_font_field(font, prop::font::kFace, Text(), kDpi);
  EXPECT_EQ(font.face, song_ti);
  write_font_field(font, prop::font::kFace, Text(31, 'x'), kDpi);
  EXPECT_EQ(font.face, Text(31, 'x'));
  write_font_field(font, prop::font::kFace, Text(32, 'x'), kDpi);
  EXPECT_EQ(font.face, song_ti);
  EXPECT_EQ(font_fields_of({.face = ""}).face, song_ti);
}

TEST(FontFields, OnlySevenSubFields) {
  EXPECT_TRUE(is_font_field(0));
  EXPECT_TRUE(is_font_field(6));
  EXPECT_FALSE(is_font_field(-1));
  EXPECT_FALSE(is_font_field(7));
}

}  // namespace
}  // namespace host
