// The splash animation's frames as the program stores them: byte-array records
// {u32 1, u32 length, PNG bytes} back to back, in showing order.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace app {

using SplashFrame = std::span<const std::uint8_t>;

// Walks the records of a block. A record that does not have one dimension, or
// whose length runs past the block, ends the walk: the frames before it are
// returned, nothing after it is trusted.
std::vector<SplashFrame> parse_splash_frames(std::span<const std::uint8_t> block);

// The frames linked into the program.
std::vector<SplashFrame> embedded_splash_frames();

}  // namespace app
