#include "app/splash_frames.h"

#include <cstddef>

// Put into the program's constant data by the build, one record per frame.
extern "C" const std::uint8_t verbrook_splash_frames[];
extern "C" const std::uint8_t verbrook_splash_frames_end[];

namespace app {
namespace {

std::uint32_t read_u32_le(std::span<const std::uint8_t> bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

}  // namespace

std::vector<SplashFrame> parse_splash_frames(std::span<const std::uint8_t> block) {
  constexpr std::size_t kHeaderSize = 8;
  std::vector<SplashFrame> frames;
  while (block.size() >= kHeaderSize) {
    const std::uint32_t dimensions = read_u32_le(block.first(4));
    const std::uint32_t length = read_u32_le(block.subspan(4, 4));
    block = block.subspan(kHeaderSize);
    if (dimensions != 1 || length > block.size()) break;
    frames.push_back(block.first(length));
    block = block.subspan(length);
  }
  return frames;
}

std::vector<SplashFrame> embedded_splash_frames() {
  return parse_splash_frames({verbrook_splash_frames, verbrook_splash_frames_end});
}

}  // namespace app
