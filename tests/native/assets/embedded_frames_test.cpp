// The frames as the program holds them: byte-array records {u32 1, u32
// length, PNG} back to back between two symbols, in showing order.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "assets/splash_files.h"

extern "C" const unsigned char verbrook_splash_frames[];
extern "C" const unsigned char verbrook_splash_frames_end[];

namespace splash_test {
namespace {

std::uint32_t read_u32(const unsigned char* p) {
  std::uint32_t value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

TEST(EmbeddedSplashFrames, RecordsHoldTheCommittedFilesInOrder) {
  std::vector<std::span<const unsigned char>> records;
  const unsigned char* p = verbrook_splash_frames;
  const unsigned char* const end = verbrook_splash_frames_end;
  while (p < end) {
    ASSERT_GE(end - p, 8) << "record " << records.size() + 1 << " is cut short";
    EXPECT_EQ(read_u32(p), 1u) << "record " << records.size() + 1;
    const std::uint32_t length = read_u32(p + 4);
    ASSERT_LE(length, static_cast<std::uint32_t>(end - p - 8)) << "record " << records.size() + 1;
    records.emplace_back(p + 8, length);
    p += 8 + length;
  }
  EXPECT_EQ(p, end);
  ASSERT_EQ(records.size(), std::size_t{frame_count});
  for (int n = 1; n <= frame_count; ++n) {
    const auto committed = read_bytes(committed_folder() / frame_name(n));
    EXPECT_TRUE(std::equal(records[n - 1].begin(), records[n - 1].end(), committed.begin(), committed.end()))
        << "record " << n << " is not " << frame_name(n);
  }
}

}  // namespace
}  // namespace splash_test
