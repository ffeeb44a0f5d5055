#include "skin/colour.h"

#include <gtest/gtest.h>

#include <vector>

namespace skin {
namespace {

TEST(ColorToArgb, SwapsRedAndBlueAndPutsTheAlphaOnTop) {
  const struct {
    std::int32_t colorref;
    std::int32_t alpha;
    std::uint32_t argb;
  } cases[] = {
      {0x000000FF, 255, 0xFFFF0000},   // red
      {0x00FF0000, 128, 0x800000FF},   // blue
      {0x00123456, 0, 0x00563412},
      {0x7F123456, 255, 0xFF563412},   // the top byte of a COLORREF is not used
      {-1, 255, 0xFFFFFFFF},
      {0, 0x1FF, 0xFF000000},          // only the alpha's low 8 bits
  };
  for (const auto& c : cases) EXPECT_EQ(color_to_argb(c.colorref, c.alpha), c.argb) << std::hex << c.colorref;
}

TEST(Premultiply, ScalesColoursByAlpha) {
  const std::vector<std::uint32_t> straight{0xFF102030, 0x00FFFFFF, 0x80FF8000, 0x01FFFFFF};
  std::vector<std::uint32_t> premultiplied(straight.size());
  premultiply(straight, premultiplied);
  EXPECT_EQ(premultiplied[0], 0xFF102030u);
  EXPECT_EQ(premultiplied[1], 0u);
  EXPECT_EQ(premultiplied[2], 0x80804000u);
  EXPECT_EQ(premultiplied[3], 0x01010101u);
}

}  // namespace
}  // namespace skin
