// PNG encoding through libpng: 8-bit RGBA, not interlaced, zlib level 9 with
// libpng's adaptive per-row filters; no time or text chunks, so the same
// pixels always give the same file.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace splash {

// Appends the PNG file to `out`; false if libpng reports an error.
bool encode_png(std::span<const std::uint8_t> rgba, int width, int height, std::vector<unsigned char>& out);

}  // namespace splash
