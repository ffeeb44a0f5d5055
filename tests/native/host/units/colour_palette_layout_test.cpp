#include "host/units/colour_picker/colour_palette_layout.h"

#include <gtest/gtest.h>

#include "host/units/colour_picker/colour_palette.h"

namespace host {
namespace {

TEST(ColourPaletteLayout, CellsTileEightByFourAboveTheMoreColoursRow) {
  const PaletteLayout layout(96);
  EXPECT_EQ(layout.cell(0), (PaletteRect{4, 4, 28, 28}));
  EXPECT_EQ(layout.cell(1).left, layout.cell(0).right);   // side by side
  EXPECT_EQ(layout.cell(8).top, layout.cell(0).bottom);   // the next row below
  EXPECT_EQ(layout.cell(31).right, layout.cell(7).right);
  const PaletteRect more = layout.more_colours();
  EXPECT_GT(layout.separator().top, layout.cell(31).bottom);
  EXPECT_GT(more.top, layout.separator().bottom);
  EXPECT_EQ(more.left, layout.cell(0).left);
  EXPECT_EQ(more.right, layout.cell(7).right);
  EXPECT_EQ(layout.client_width(), more.right + 4);
  EXPECT_EQ(layout.client_height(), more.bottom + 4);
}

TEST(ColourPaletteLayout, PointsFindTheirEntries) {
  const PaletteLayout layout(96);
  for (int entry = 0; entry < kPaletteEntryCount; ++entry) {
    const PaletteRect area = layout.entry(entry);
    EXPECT_EQ(layout.entry_at(area.left, area.top), entry);
    EXPECT_EQ(layout.entry_at(area.right - 1, area.bottom - 1), entry);
  }
  EXPECT_EQ(layout.entry_at(1, 1), std::nullopt);  // the margin
  EXPECT_EQ(layout.entry_at(20, layout.separator().top), std::nullopt);
  EXPECT_EQ(layout.entry_at(-5, 10), std::nullopt);
  EXPECT_EQ(layout.entry_at(layout.client_width(), 10), std::nullopt);
}

TEST(ColourPaletteLayout, ScalesWithTheDpi) {
  const PaletteLayout normal(96);
  const PaletteLayout large(144);
  EXPECT_EQ(large.cell(0), (PaletteRect{6, 6, 42, 42}));
  EXPECT_EQ(large.client_width(), normal.client_width() * 3 / 2);
  EXPECT_EQ(large.scaled(1), 2);                          // 1.5 rounds up
  EXPECT_EQ(PaletteLayout(0).cell(0), normal.cell(0));  // an unreadable dpi counts as 96
}

TEST(ColourPaletteLayout, TheWindowStaysInsideTheWorkArea) {
  const PaletteRect area{0, 0, 1280, 984};
  const struct {
    PaletteRect window;
    PaletteRect placed;
  } cases[] = {
      {{100, 100, 300, 240}, {100, 100, 300, 240}},
      {{1200, 900, 1400, 1040}, {1080, 844, 1280, 984}},  // past the right and bottom edges
      {{-50, -20, 150, 120}, {0, 0, 200, 140}},
      {{10, 10, 1500, 1100}, {0, 0, 1490, 1090}},  // too large: the top-left stays in
  };
  for (const auto& c : cases) EXPECT_EQ(keep_inside(c.window, area), c.placed);
  EXPECT_EQ(keep_inside({-1500, 5, -1300, 145}, {-1280, 0, 0, 1024}), (PaletteRect{-1280, 5, -1080, 145}));
}

}  // namespace
}  // namespace host
