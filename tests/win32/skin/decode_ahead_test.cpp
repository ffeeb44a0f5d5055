#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skin/decode_ahead_win.h"
#include "skin_test_support.h"

namespace skin {
namespace {

using testing::SkinTest;

std::uint32_t first_pixel(const Image& image) { return testing::read_pixels(image.get()).at(0, 0); }

// The splash's sequence: each image is decoded on the thread's turn after the
// one before it was taken, and handed out only as the next in line.
TEST_F(SkinTest, DecodeAheadHandsOutEachImageDecodedOnTheTurnBefore) {
  const std::vector<std::uint8_t> red = testing::solid_png(8, 8, 0xFFFF0000);
  const std::vector<std::uint8_t> blue = testing::solid_png(8, 8, 0xFF0000FF);
  DecodeAhead ahead;
  ahead.decode({red, blue});
  EXPECT_FALSE(ahead.take(red)) << "before its start it decodes nothing";

  ahead.start();
  ahead.decode({red, blue});
  testing::pump_messages();
  EXPECT_FALSE(ahead.take(blue)) << "not the next in line";
  const Image first = ahead.take(red);
  ASSERT_TRUE(first);
  EXPECT_EQ(first_pixel(first), 0xFFFF0000u);
  testing::pump_messages();
  const Image second = ahead.take(blue);
  ASSERT_TRUE(second);
  EXPECT_EQ(first_pixel(second), 0xFF0000FFu);
  EXPECT_FALSE(ahead.take(red)) << "past the end of the list";

  ahead.stop();
  ahead.decode({red});
  testing::pump_messages();
  EXPECT_FALSE(ahead.take(red)) << "stopped";
}

}  // namespace
}  // namespace skin
