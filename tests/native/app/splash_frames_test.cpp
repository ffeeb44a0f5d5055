#include "app/splash_frames.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace app_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

void append_u32(Bytes& block, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) block.push_back(static_cast<std::uint8_t>(value >> shift));
}

void append_record(Bytes& block, const Bytes& payload, std::uint32_t dimensions = 1) {
  append_u32(block, dimensions);
  append_u32(block, static_cast<std::uint32_t>(payload.size()));
  block.insert(block.end(), payload.begin(), payload.end());
}

Bytes frame_bytes(const app::SplashFrame& frame) { return Bytes(frame.begin(), frame.end()); }

TEST(SplashFrameRecords, RecordsComeBackInOrderAndInPlace) {
  Bytes block;
  append_record(block, {0x89, 'P', 'N', 'G'});
  append_record(block, {});
  append_record(block, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0x10, 0x11});
  const auto frames = app::parse_splash_frames(block);
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_EQ(frame_bytes(frames[0]), (Bytes{0x89, 'P', 'N', 'G'}));
  EXPECT_TRUE(frames[1].empty());
  EXPECT_EQ(frame_bytes(frames[2]), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 0x10, 0x11}));
  EXPECT_EQ(frames[0].data(), block.data() + 8);  // not copied
}

TEST(SplashFrameRecords, LengthsAreLittleEndian) {
  Bytes payload(0x0102, 0xAB);
  Bytes block;
  append_record(block, payload);
  ASSERT_EQ(block[4], 0x02);
  const auto frames = app::parse_splash_frames(block);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].size(), 0x0102u);
}

TEST(SplashFrameRecords, AMalformedRecordEndsTheWalk) {
  struct Case {
    const char* name;
    Bytes tail;
  };
  Bytes two_dimensions;
  append_record(two_dimensions, {1, 2}, 2);
  append_record(two_dimensions, {'a', 'f', 't', 'e', 'r'});  // never trusted after a bad record
  Bytes too_long;
  append_u32(too_long, 1);
  append_u32(too_long, 5);
  too_long.insert(too_long.end(), {1, 2, 3, 4});
  Bytes huge_length;
  append_u32(huge_length, 1);
  append_u32(huge_length, 0xFFFFFFFF);
  huge_length.push_back(7);
  const Case cases[] = {
      {"dimension count not 1", two_dimensions},
      {"length past the end", too_long},
      {"length near 4 GiB", huge_length},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes block;
    append_record(block, {'o', 'k'});
    block.insert(block.end(), c.tail.begin(), c.tail.end());
    const auto frames = app::parse_splash_frames(block);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frame_bytes(frames[0]), (Bytes{'o', 'k'}));
  }
}

TEST(SplashFrameRecords, AHeaderCutShortAtTheEndIsIgnored) {
  Bytes block;
  append_record(block, {'o', 'k'});
  block.insert(block.end(), {1, 0, 0, 0, 3, 0});
  EXPECT_EQ(app::parse_splash_frames(block).size(), 1u);
  EXPECT_TRUE(app::parse_splash_frames({}).empty());
}

TEST(SplashFrameRecords, EmbeddedFramesArePngImages) {
  const auto frames = app::embedded_splash_frames();
  EXPECT_EQ(frames.size(), 28u);
  const Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const auto& frame : frames) {
    ASSERT_GE(frame.size(), signature.size());
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 8), signature);
  }
}

}  // namespace
}  // namespace app_test
