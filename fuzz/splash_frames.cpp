// The splash frame records ({u32 1, u32 length, PNG bytes} back to back) walked
// over arbitrary bytes: every frame lies inside the block, the frames follow
// one another with their headers between them, and the walk stops only at a
// record it cannot trust.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "app/splash_frames.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

std::uint32_t u32_at(std::span<const std::uint8_t> block, std::size_t at) {
  return block[at] | block[at + 1] << 8 | block[at + 2] << 16 | static_cast<std::uint32_t>(block[at + 3]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> block(data, size);
  constexpr std::size_t kHeader = 8;
  std::size_t at = 0;
  for (const app::SplashFrame frame : app::parse_splash_frames(block)) {
    check(at + kHeader <= size);
    check(u32_at(block, at) == 1 && u32_at(block, at + 4) == frame.size());
    check(frame.data() == data + at + kHeader);
    at += kHeader + frame.size();
    check(at <= size);
  }
  // What follows the last frame is no complete record.
  if (at + kHeader <= size) check(u32_at(block, at) != 1 || u32_at(block, at + 4) > size - at - kHeader);
  return 0;
}
