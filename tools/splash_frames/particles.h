// Sparks and embers: points of heat that fly out of the burst, slow down,
// rise and fade, drawn as short streaks along their recent path.
#pragma once

#include <cstdint>
#include <vector>

#include "view.h"

namespace splash {

struct Particle {
  double launch = 0.0;  // t at which it appears
  Point origin;
  double vx = 0.0, vy = 0.0;  // starting velocity, window pixels per unit of t
  double drag_time = 1.0;     // the velocity decays as e^(-age / drag_time)
  double rise = 0.0;          // upward acceleration, pixels per unit of t squared
  double sway = 0.0, sway_rate = 0.0, sway_phase = 0.0;  // sideways drift of embers
  double peak = 0.0;          // heat at full brightness
  double fade_in = 0.0, fade_start = 0.0, life = 0.0;  // brightness over age
  double radius = 1.0;        // half width of the streak's head, window pixels
  double trail = 0.0;         // how far back in t the streak reaches
  double flicker_rate = 0.0, flicker_phase = 0.0, flicker_depth = 0.0;
};

class Particles {
 public:
  explicit Particles(std::uint64_t seed);

  // Adds every particle alive at time t into the grid.
  void splat(double t, HeatGrid& grid) const;

 private:
  std::vector<Particle> particles_;
};

}  // namespace splash
