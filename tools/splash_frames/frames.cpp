#include "frames.h"

#include <algorithm>

#include "blaze.h"
#include "fire_colour.h"
#include "shaping.h"

namespace splash {
namespace {

// Heat fades out over the outermost pixels, so stray sparks vanish softly
// and the frame's edge is always fully transparent.
double edge_fade(int column, int row) {
  const int nearest = std::min({column, row, frame_width - 1 - column, frame_height - 1 - row});
  return smoothstep(2.0, 26.0, nearest);
}

}  // namespace

std::vector<std::uint8_t> render_frame(const Particles& particles, int number) {
  const double t = static_cast<double>(number) / frame_count;
  HeatGrid grid;
  for (int row = 0; row < frame_height; ++row) {
    for (int column = 0; column < frame_width; ++column) grid.at(column, row) = blaze_heat(pixel_centre(column, row), t);
  }
  particles.splat(t, grid);

  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(frame_width) * frame_height * 4);
  auto out = rgba.begin();
  for (int row = 0; row < frame_height; ++row) {
    for (int column = 0; column < frame_width; ++column) {
      const Rgba pixel = fire_colour(grid.at(column, row) * edge_fade(column, row));
      *out++ = pixel.r;
      *out++ = pixel.g;
      *out++ = pixel.b;
      *out++ = pixel.a;
    }
  }
  return rgba;
}

}  // namespace splash
