#include "host/units/colour_picker/colour_palette.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "host/forms/ids.h"

namespace host {
namespace {

TEST(ColourPalette, HoldsThirtyTwoDistinctNamedColours) {
  const auto colours = palette_colours();
  std::set<std::int32_t> values;
  std::set<std::string_view> names;
  for (const PaletteColour& colour : colours) {
    EXPECT_EQ(colour.colour & 0xFF000000, 0) << colour.name;  // plain COLORREFs
    EXPECT_EQ(colour.name.size(), 4u) << colour.name;         // two GBK characters
    values.insert(colour.colour);
    names.insert(colour.name);
  }
  EXPECT_EQ(values.size(), 32u);
  EXPECT_EQ(names.size(), 32u);
}

TEST(ColourPalette, NamesAreGbkAndInTheirPlaces) {
  const auto colours = palette_colours();
  const struct {
    int index;
    std::string_view name;
    std::int32_t colour;
  } places[] = {
      {0, "\xba\xda\xc9\xab", 0x00000000},   // 黑色
      {9, "\xc0\xb6\xc9\xab", 0x00FF0000},   // 蓝色, the edit box's text colour
      {17, "藏蓝", 0x00E03058},
      {30, "\xdc\xbd\xba\xec", 0x00C080FF},  // 芙红, the edit box's background
      {31, "\xc9\xee\xbb\xd2", 0x00606060},  // 深灰
  };
  for (const auto& place : places) {
    EXPECT_EQ(colours[static_cast<std::size_t>(place.index)].name, place.name) << place.index;
    EXPECT_EQ(colours[static_cast<std::size_t>(place.index)].colour, place.colour) << place.index;
  }
  EXPECT_EQ(kMoreColoursCaption, "\xc6\xe4\xcb\xfb\xd1\xd5\xc9\xab\xa1\xad");  // 其他颜色…
}

TEST(ColourPalette, FindsTheCellOfAColour) {
  EXPECT_EQ(palette_index_of(0x00FF0000), 9);
  EXPECT_EQ(palette_index_of(0x00000000), 0);
  EXPECT_EQ(palette_index_of(0x00123456), std::nullopt);
  EXPECT_EQ(palette_index_of(kDefaultColour), std::nullopt);
}

TEST(ColourPalette, KeysMoveAndWrap) {
  using enum PaletteMove;
  const struct {
    PaletteFocus from;
    PaletteMove move;
    PaletteFocus to;
  } cases[] = {
      {{0, 0}, Right, {1, 1}},
      {{7, 7}, Right, {8, 0}},  // the end of a row goes on to the next row
      {{8, 0}, Left, {7, 7}},
      {{31, 7}, Right, {kMoreColoursEntry, 7}},
      {{kMoreColoursEntry, 7}, Right, {0, 0}},
      {{0, 0}, Left, {kMoreColoursEntry, 0}},
      {{kMoreColoursEntry, 3}, Left, {31, 7}},
      {{2, 2}, Down, {10, 2}},
      {{26, 2}, Down, {kMoreColoursEntry, 2}},  // the last row goes to the entry below it
      {{kMoreColoursEntry, 2}, Down, {2, 2}},   // and on to the same column of the first row
      {{kMoreColoursEntry, 5}, Up, {29, 5}},
      {{5, 5}, Up, {kMoreColoursEntry, 5}},
      {{13, 5}, Up, {5, 5}},
  };
  for (const auto& c : cases) {
    const PaletteFocus to = move_palette_focus(c.from, c.move);
    EXPECT_EQ(to, c.to) << "from " << c.from.entry << " move " << static_cast<int>(c.move) << " gave " << to.entry
                        << "/" << to.column;
  }
}

}  // namespace
}  // namespace host
