#include "host/forms/property_values.h"

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(PropertyKinds, EachTypeHasItsCount) {
  EXPECT_EQ(property_count(unit_type::kWindow), 32);
  EXPECT_EQ(property_count(unit_type::kMenu), 4);
  EXPECT_EQ(property_count(unit_type::kEditBox), 29);
  EXPECT_EQ(property_count(unit_type::kColorPicker), 10);
  EXPECT_EQ(property_count(unit_type::kCommonDlg), 30);
  EXPECT_EQ(property_count(unit_type::kTimer), 9);
  EXPECT_EQ(property_count(0x00010002), 0);
}

TEST(PropertyKinds, ByTypeAndIndex) {
  using enum PropertyKind;
  struct Row {
    UnitTypeId type;
    int index;
    std::optional<PropertyKind> kind;
  };
  const Row rows[] = {
      {unit_type::kWindow, prop::kLeft, Int},          {unit_type::kWindow, prop::kTag, String},
      {unit_type::kWindow, prop::kVisible, Bool},      {unit_type::kWindow, prop::kMousePointer, Cursor},
      {unit_type::kWindow, prop::window::kCaption, String}, {unit_type::kWindow, prop::window::kBorder, Choice},
      {unit_type::kWindow, prop::window::kBackColor, Colour}, {unit_type::kWindow, prop::window::kIcon, Blob},
      {unit_type::kWindow, prop::window::kAlwaysOnTop, Bool}, {unit_type::kWindow, 32, std::nullopt},
      {unit_type::kMenu, prop::menu::kCaption, String}, {unit_type::kMenu, prop::menu::kVisible, Bool},
      {unit_type::kMenu, 4, std::nullopt},             {unit_type::kEditBox, prop::edit::kFont, Font},
      {unit_type::kEditBox, prop::edit::kMaxLength, Int}, {unit_type::kEditBox, prop::edit::kSelText, String},
      {unit_type::kEditBox, prop::edit::kDataColumn, Binding}, {unit_type::kEditBox, -1, std::nullopt},
      {unit_type::kCommonDlg, prop::dialog::kFontSize, Int}, {unit_type::kCommonDlg, prop::dialog::kHelpValue, Int},
      {unit_type::kColorPicker, prop::picker::kColour, Colour}, {unit_type::kColorPicker, prop::picker::kFlag, Bool},
      {unit_type::kTimer, prop::timer::kInterval, Int}, {unit_type::kTimer, 9, std::nullopt},
  };
  for (const Row& row : rows) EXPECT_EQ(property_kind(row.type, row.index), row.kind) << row.type << " " << row.index;
}

TEST(PropertyValues, WrittenValuesTakeTheirKind) {
  using enum PropertyKind;
  EXPECT_EQ(converted_to_kind(Bool, std::int32_t{7}), Value{true});
  EXPECT_EQ(converted_to_kind(Bool, std::int32_t{-1}), Value{true});
  EXPECT_EQ(converted_to_kind(Bool, std::int32_t{0}), Value{false});
  EXPECT_EQ(converted_to_kind(Choice, std::int32_t{-3}), Value{std::int32_t{0}});
  EXPECT_EQ(converted_to_kind(Choice, std::int32_t{3}), Value{std::int32_t{3}});
  EXPECT_EQ(converted_to_kind(Int, std::int32_t{-3}), Value{std::int32_t{-3}});
  EXPECT_EQ(converted_to_kind(Colour, kDefaultColour), Value{kDefaultColour});
  EXPECT_EQ(converted_to_kind(Int, true), Value{std::int32_t{1}});
  EXPECT_EQ(converted_to_kind(Int, 2.9), Value{std::int32_t{2}});
  EXPECT_EQ(converted_to_kind(String, Text("\xd6\xd0")), Value{Text("\xd6\xd0")});
  EXPECT_EQ(converted_to_kind(String, std::int32_t{12}), Value{Text("12")});
  EXPECT_EQ(converted_to_kind(Blob, (Bytes{1, 2})), (Value{Bytes{1, 2}}));
}

TEST(PropertyValues, StoredValuesReadBack) {
  EXPECT_EQ(int_of(std::int32_t{5}), 5);
  EXPECT_EQ(int_of(true), 1);
  EXPECT_TRUE(bool_of(std::int32_t{5}));
  EXPECT_FALSE(bool_of(Value{}));
  EXPECT_EQ(text_of(Text("x")), "x");
  EXPECT_EQ(text_of(std::int32_t{5}), "");
}

}  // namespace
}  // namespace host
