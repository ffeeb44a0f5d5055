#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/hglobal_stream_win.h"
#include "skin/image_win.h"
#include "skin/live_counts.h"
#include "skin/skin_startup_win.h"
#include "skin_test_support.h"

namespace skin {
namespace {

using testing::SkinTest;

TEST_F(SkinTest, StreamCopiesTheBytesAndGivesThemBack) {
  const LiveCounts before = live_counts();
  const std::vector<std::uint8_t> bytes{1, 2, 3, 4, 5};
  {
    HGlobalStream stream;
    ASSERT_NE(stream.open(bytes, true), nullptr);
    EXPECT_EQ(stream.size(), bytes.size());
    EXPECT_EQ(stream.bytes(), bytes);
    // Opening again releases what was held.
    ASSERT_NE(stream.open(std::vector<std::uint8_t>{9}, true), nullptr);
    EXPECT_EQ(stream.bytes(), std::vector<std::uint8_t>{9});
    EXPECT_EQ(live_counts().streams, before.streams + 1);
  }
  EXPECT_EQ(live_counts(), before);
}

TEST_F(SkinTest, EmptyStreamGrowsAsItIsWritten) {
  HGlobalStream stream;
  IStream* target = stream.open({}, false);
  ASSERT_NE(target, nullptr);
  EXPECT_EQ(stream.size(), 0u);
  const char text[] = "written";
  ULONG written = 0;
  ASSERT_EQ(target->Write(text, 7, &written), S_OK);
  EXPECT_EQ(stream.bytes(), std::vector<std::uint8_t>(text, text + 7));
}

TEST_F(SkinTest, PngDecodesAtItsOwnSize) {
  const Image image = image_from_bytes(testing::solid_png(7, 5, 0x80FF0000));
  ASSERT_TRUE(image);
  const testing::Pixels pixels = testing::read_pixels(image.get());
  EXPECT_EQ(pixels.width, 7);
  EXPECT_EQ(pixels.height, 5);
  EXPECT_EQ(pixels.at(3, 2), 0x80FF0000u);
}

TEST_F(SkinTest, BytesThatDoNotDecodeGiveNoImageAndKeepNothing) {
  const LiveCounts before = live_counts();
  EXPECT_FALSE(image_from_bytes({}));
  const std::vector<std::uint8_t> junk{0x89, 'P', 'N', 'G', 1, 2, 3};
  EXPECT_FALSE(image_from_bytes(junk));
  EXPECT_EQ(live_counts(), before);
}

// Two 1 x 1 frames, red then blue, hand-made: each frame's LZW data is the
// codes clear (4), the colour index and end (5), three bits each.
const std::vector<std::uint8_t> kTwoFrameGif{
    'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0xF1, 0, 0,  // screen 1 x 1, 4-colour table
    0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0, 0, 0, 0, 0, 0,  // red, blue, black, black
    0x21, 0xF9, 4, 0, 10, 0, 0, 0,                          // frame 1: 100 ms
    0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0,   // index 0
    0x21, 0xF9, 4, 0, 10, 0, 0, 0,                          // frame 2
    0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x4C, 0x01, 0,   // index 1
    0x3B};

TEST_F(SkinTest, GifShowsItsFirstFrame) {
  const Image gif = image_from_bytes(kTwoFrameGif);
  ASSERT_TRUE(gif);
  EXPECT_EQ(testing::read_pixels(gif.get()).at(0, 0), 0xFFFF0000u);
  // The second frame is there and differs, so the first was chosen.
  ASSERT_EQ(gdiplus()->GdipImageSelectActiveFrame(gif.get(), &frame_dimension_time(), 1), Gdiplus::Ok);
  EXPECT_EQ(testing::read_pixels(gif.get()).at(0, 0), 0xFF0000FFu);
}

TEST_F(SkinTest, ImagesAndStreamsAreCountedUntilReleased) {
  const LiveCounts before = live_counts();
  {
    const Image image = image_from_bytes(testing::solid_png(4, 4, 0xFF00FF00));
    ASSERT_TRUE(image);
    EXPECT_EQ(live_counts().images, before.images + 1);
    EXPECT_EQ(live_counts().streams, before.streams + 1);
  }
  EXPECT_EQ(live_counts(), before);
}

}  // namespace
}  // namespace skin
