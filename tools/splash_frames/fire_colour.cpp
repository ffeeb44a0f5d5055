#include "fire_colour.h"

#include <iterator>

#include "shaping.h"

namespace splash {
namespace {

struct Stop {
  double heat;
  double r, g, b;
};

constexpr Stop ramp[] = {
    {0.00, 215, 42, 8},   {0.30, 240, 78, 10},   {0.55, 255, 138, 24},
    {0.80, 255, 204, 78}, {1.10, 255, 244, 196}, {1.40, 255, 255, 246},
};

std::uint8_t to_byte(double v) { return static_cast<std::uint8_t>(clamp01(v / 255.0) * 255.0 + 0.5); }

}  // namespace

Rgba fire_colour(double heat) {
  const double alpha = smoothstep(0.0, 0.45, heat);
  Rgba out{to_byte(ramp[0].r), to_byte(ramp[0].g), to_byte(ramp[0].b), to_byte(alpha * 255.0)};
  if (out.a == 0) return out;
  const Stop* high = std::begin(ramp) + 1;
  while (high != std::end(ramp) - 1 && heat > high->heat) ++high;
  const Stop& low = *(high - 1);
  const double f = clamp01((heat - low.heat) / (high->heat - low.heat));
  out.r = to_byte(mix(low.r, high->r, f));
  out.g = to_byte(mix(low.g, high->g, f));
  out.b = to_byte(mix(low.b, high->b, f));
  return out;
}

}  // namespace splash
