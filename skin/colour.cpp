#include "skin/colour.h"

#include <cassert>

namespace skin {

std::uint32_t color_to_argb(std::int32_t colorref, std::int32_t alpha) {
  const auto c = static_cast<std::uint32_t>(colorref);
  const std::uint32_t red = c & 0xFF;
  const std::uint32_t green = (c >> 8) & 0xFF;
  const std::uint32_t blue = (c >> 16) & 0xFF;
  return (static_cast<std::uint32_t>(alpha) & 0xFF) << 24 | red << 16 | green << 8 | blue;
}

namespace {

// x * alpha / 255, rounded, without a division.
std::uint32_t scale(std::uint32_t x, std::uint32_t alpha) {
  const std::uint32_t t = x * alpha + 128;
  return (t + (t >> 8)) >> 8;
}

}  // namespace

void premultiply(std::span<const std::uint32_t> from, std::span<std::uint32_t> to) {
  assert(to.size() >= from.size());
  for (std::size_t i = 0; i < from.size(); ++i) {
    const std::uint32_t pixel = from[i];
    const std::uint32_t alpha = pixel >> 24;
    if (alpha == 255) {
      to[i] = pixel;
    } else if (alpha == 0) {
      to[i] = 0;
    } else {
      to[i] = alpha << 24 | scale((pixel >> 16) & 0xFF, alpha) << 16 | scale((pixel >> 8) & 0xFF, alpha) << 8 |
              scale(pixel & 0xFF, alpha);
    }
  }
}

}  // namespace skin
