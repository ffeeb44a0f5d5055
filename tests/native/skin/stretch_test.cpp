#include "skin/stretch.h"

#include <gtest/gtest.h>

#include <vector>

namespace skin {
namespace {

struct Picture {
  int width;
  int height;
  std::vector<std::uint32_t> pixels;
  Picture(int w, int h, std::uint32_t fill = 0) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  ConstPixelRows rows() const { return {pixels.data(), width, height, width}; }
  PixelRows rows() { return {pixels.data(), width, height, width}; }
};

// Each channel within one step: colours pass through premultiplied 8-bit values.
::testing::AssertionResult within_rounding(std::uint32_t actual, std::uint32_t expected) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int difference = static_cast<int>((actual >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF);
    if (difference < -1 || difference > 1) return ::testing::AssertionFailure() << std::hex << actual << " vs " << expected;
  }
  return ::testing::AssertionSuccess();
}

Picture stretched(const Picture& from, int width, int height) {
  Picture to(width, height, 0xDEADBEEF);
  stretch_bilinear(from.rows(), to.rows());
  return to;
}

TEST(StretchBilinear, SameSizeKeepsEveryPixel) {
  Picture from(3, 2);
  for (std::size_t i = 0; i < from.pixels.size(); ++i) from.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 40);
  from.at(1, 1) = 0x80402010;
  from.at(2, 1) = 0;
  const Picture to = stretched(from, 3, 2);
  for (std::size_t i = 0; i < from.pixels.size(); ++i) EXPECT_TRUE(within_rounding(to.pixels[i], from.pixels[i])) << i;
}

TEST(StretchBilinear, SolidStaysSolidToTheEdges) {
  const Picture from(4, 3, 0xC0123456);
  for (const auto [w, h] : {std::pair{40, 30}, std::pair{2, 1}, std::pair{495, 354}}) {
    const Picture to = stretched(from, w, h);
    for (std::uint32_t pixel : to.pixels) ASSERT_TRUE(within_rounding(pixel, 0xC0123456)) << w << "x" << h;
  }
}

TEST(StretchBilinear, BlocksKeepTheirColoursAwayFromTheSeam) {
  Picture from(2, 2);
  from.at(0, 0) = 0xFFFF0000;
  from.at(1, 0) = 0xFF00FF00;
  from.at(0, 1) = 0xFF0000FF;
  from.at(1, 1) = 0xFFFFFFFF;
  Picture to = stretched(from, 20, 20);
  EXPECT_EQ(to.at(0, 0), 0xFFFF0000u);
  EXPECT_EQ(to.at(19, 0), 0xFF00FF00u);
  EXPECT_EQ(to.at(0, 19), 0xFF0000FFu);
  EXPECT_EQ(to.at(19, 19), 0xFFFFFFFFu);
  // Halfway between red and green: both at half weight.
  const std::uint32_t middle = to.at(9, 0);
  EXPECT_NEAR(static_cast<int>((middle >> 16) & 0xFF), 0x8C, 0x14);
  EXPECT_NEAR(static_cast<int>((middle >> 8) & 0xFF), 0x73, 0x14);
}

TEST(StretchBilinear, TransparentNeighboursBleedNoColour) {
  Picture from(2, 1);
  from.at(0, 0) = 0xFFFF0000;  // opaque red
  from.at(1, 0) = 0x0000FF00;  // transparent "green"
  const Picture to = stretched(from, 20, 1);
  for (int x = 0; x < 20; ++x) {
    const std::uint32_t pixel = to.pixels[static_cast<std::size_t>(x)];
    if (pixel >> 24 == 0) continue;
    EXPECT_EQ(pixel & 0x00FFFFFF, 0x00FF0000u) << x << ": " << std::hex << pixel;
  }
  EXPECT_EQ(to.pixels.front(), 0xFFFF0000u);
  EXPECT_EQ(to.pixels.back(), 0u);
}

TEST(StretchBilinear, ShrinksAndFollowsStrides) {
  // A 4 x 4 picture read bottom-up through a negative stride.
  Picture from(4, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) from.at(x, y) = y < 2 ? 0xFF0000FF : 0xFFFF0000;
  }
  const ConstPixelRows flipped{from.pixels.data() + 12, 4, 4, -4};
  Picture to(2, 2);
  stretch_bilinear(flipped, to.rows());
  EXPECT_EQ(to.at(0, 0), 0xFFFF0000u);
  EXPECT_EQ(to.at(1, 1), 0xFF0000FFu);
}

TEST(StretchBilinear, NothingToDoForEmptySizes) {
  Picture to(2, 2, 7);
  stretch_bilinear({nullptr, 0, 0, 0}, to.rows());
  EXPECT_EQ(to.pixels, std::vector<std::uint32_t>(4, 7));
}

}  // namespace
}  // namespace skin
