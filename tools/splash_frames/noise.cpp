#include "noise.h"

#include <cmath>

#include "random.h"
#include "shaping.h"

namespace splash {
namespace {

// The twelve edge directions of a cube: no axis bias, and the dot product
// needs no multiplication by irrational values.
constexpr int gradients[12][3] = {{1, 1, 0}, {-1, 1, 0}, {1, -1, 0}, {-1, -1, 0}, {1, 0, 1}, {-1, 0, 1},
                                  {1, 0, -1}, {-1, 0, -1}, {0, 1, 1}, {0, -1, 1}, {0, 1, -1}, {0, -1, -1}};

double corner(std::int64_t ix, std::int64_t iy, std::int64_t iz, double fx, double fy, double fz,
              std::uint64_t seed) {
  std::uint64_t h = mix64(seed ^ static_cast<std::uint64_t>(ix) * 0x9E3779B97F4A7C15ull);
  h = mix64(h ^ static_cast<std::uint64_t>(iy) * 0xC2B2AE3D27D4EB4Full);
  h = mix64(h ^ static_cast<std::uint64_t>(iz) * 0x165667B19E3779F9ull);
  const int* g = gradients[h % 12];
  return g[0] * fx + g[1] * fy + g[2] * fz;
}

// Quintic fade: the noise stays smooth in its first and second derivatives.
double fade(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }

}  // namespace

double gradient_noise(double x, double y, double z, std::uint64_t seed) {
  const double x0 = std::floor(x), y0 = std::floor(y), z0 = std::floor(z);
  const auto ix = static_cast<std::int64_t>(x0), iy = static_cast<std::int64_t>(y0),
             iz = static_cast<std::int64_t>(z0);
  const double fx = x - x0, fy = y - y0, fz = z - z0;
  const double u = fade(fx), v = fade(fy), w = fade(fz);

  double layer[2];
  for (int dz = 0; dz < 2; ++dz) {
    const double x00 = mix(corner(ix, iy, iz + dz, fx, fy, fz - dz, seed),
                           corner(ix + 1, iy, iz + dz, fx - 1, fy, fz - dz, seed), u);
    const double x10 = mix(corner(ix, iy + 1, iz + dz, fx, fy - 1, fz - dz, seed),
                           corner(ix + 1, iy + 1, iz + dz, fx - 1, fy - 1, fz - dz, seed), u);
    layer[dz] = mix(x00, x10, v);
  }
  return mix(layer[0], layer[1], w);
}

double fractal_noise(double x, double y, double z, int octaves, std::uint64_t seed) {
  double sum = 0.0, weight = 1.0, total = 0.0, scale = 1.0;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += weight * gradient_noise(x * scale, y * scale, z * scale, seed + static_cast<std::uint64_t>(octave));
    total += weight;
    weight *= 0.5;
    scale *= 2.0;
  }
  return clamp01(0.5 + 0.5 * sum / total * 1.6);
}

}  // namespace splash
