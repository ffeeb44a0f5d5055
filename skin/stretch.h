// Stretching a picture with bilinear filtering, for the window background.
// GDI+'s own stretch is slow in software (Wine: about 90 ms for one splash
// frame), and the background is redrawn on every composition.
#pragma once

#include <cstddef>
#include <cstdint>

namespace skin {

// Rows of straight (not premultiplied) 32-bit ARGB pixels; `stride` is the
// distance in pixels from one row to the next.
struct ConstPixelRows {
  const std::uint32_t* first_row = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;
};

struct PixelRows {
  std::uint32_t* first_row = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;
};

// Fills `to` with `from` stretched to its size. Pixel centres map onto pixel
// centres, edges are clamped (no fading at the border), colours are blended
// by their alpha (premultiplied), so transparent pixels bleed no colour.
void stretch_bilinear(const ConstPixelRows& from, const PixelRows& to);

}  // namespace skin
