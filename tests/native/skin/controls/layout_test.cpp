#include "skin/controls/layout.h"

#include <gtest/gtest.h>

#include "skin/controls/child_kinds.h"

namespace skin {
namespace {

TEST(FitInside, ShrinksToTheBoxKeepingProportions) {
  const struct {
    int iw, ih, bw, bh;
    Size fitted;
  } cases[] = {
      {200, 100, 50, 50, {50, 25}},   // too wide
      {100, 200, 50, 50, {25, 50}},   // too tall
      {30, 20, 50, 50, {30, 20}},     // fits: never enlarged
      {300, 300, 100, 50, {50, 50}},  // width first, then height
      {7, 3, 2, 100, {2, 0}},         // 3 * 2 / 7 truncates
      {10, 10, 10, 10, {10, 10}},
      {0, 0, 10, 10, {0, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fit_inside(c.iw, c.ih, c.bw, c.bh), c.fitted) << c.iw << "x" << c.ih << " in " << c.bw << "x" << c.bh;
  }
}

TEST(PlaceImage, FitCentresTheFittedImage) {
  const ImagePlacement place = place_image(static_cast<int>(Placement::Fit), 200, 100, 50, 50);
  EXPECT_FALSE(place.cut);
  EXPECT_EQ(place.x, 0);
  EXPECT_EQ(place.y, 12);
  EXPECT_EQ(place.width, 50);
  EXPECT_EQ(place.height, 25);
}

TEST(PlaceImage, StretchTakesTheBox) {
  const ImagePlacement place = place_image(static_cast<int>(Placement::Stretch), 3, 4, 40, 30);
  EXPECT_FALSE(place.cut);
  EXPECT_EQ(place.x, 0);
  EXPECT_EQ(place.y, 0);
  EXPECT_EQ(place.width, 40);
  EXPECT_EQ(place.height, 30);
}

TEST(PlaceImage, AnyOtherValueIsNaturalSizeCutWhenLarger) {
  for (const int placement : {0, 3, -1, 99}) {
    EXPECT_TRUE(place_image(placement, 41, 10, 40, 30).cut);
    EXPECT_TRUE(place_image(placement, 10, 30.5f, 40, 30).cut);
    const ImagePlacement natural = place_image(placement, 40, 30, 40, 30);
    EXPECT_FALSE(natural.cut);
    EXPECT_EQ(natural.width, 40);
    EXPECT_EQ(natural.height, 30);
  }
}

TEST(CaretLine, SitsRightOfTheCaretCentredInThePanel) {
  EXPECT_EQ(caret_line_top({10, 20}, 30, {7, 99}), (Point{22, 29}));
  EXPECT_EQ(caret_line_top({0, 0}, 5, {0, 0}), (Point{5, -3}));  // (5 - 12) / 2 truncates toward zero
}

}  // namespace
}  // namespace skin
