// Where the burst sits. The 464 x 273 frame is stretched over the 495 x 354
// startup window, so the burst is designed in window pixels around its centre
// and each frame pixel is sampled at the window point it lands on; that way
// the fire looks round on screen, not squashed.
#pragma once

#include <cstdint>
#include <vector>

namespace splash {

inline constexpr int frame_width = 464;
inline constexpr int frame_height = 273;
inline constexpr int frame_count = 28;

inline constexpr double window_width = 495.0;
inline constexpr double window_height = 354.0;
inline constexpr double scale_x = window_width / frame_width;
inline constexpr double scale_y = window_height / frame_height;

// The burst's centre in window pixels: a little below the middle, because
// the flames and embers drift upwards.
inline constexpr double centre_x = 247.5;
inline constexpr double centre_y = 180.0;

// A point in window pixels relative to the burst's centre (y grows downwards).
struct Point {
  double x = 0.0;
  double y = 0.0;
};

inline Point pixel_centre(int column, int row) {
  return {(column + 0.5) * scale_x - centre_x, (row + 0.5) * scale_y - centre_y};
}

// Heat per frame pixel, row by row: the flames and particles add into it,
// then it is turned into colour and alpha.
struct HeatGrid {
  std::vector<double> heat = std::vector<double>(static_cast<std::size_t>(frame_width) * frame_height, 0.0);

  double& at(int column, int row) { return heat[static_cast<std::size_t>(row) * frame_width + column]; }
};

}  // namespace splash
