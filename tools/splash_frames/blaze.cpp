#include "blaze.h"

#include <cmath>
#include <cstdint>

#include "noise.h"
#include "shaping.h"

namespace splash {
namespace {

constexpr std::uint64_t flame_seed = 0x7E11'0F1A'3E00'0001ull;
constexpr std::uint64_t tongue_seed = 0x7E11'0F1A'3E00'0101ull;
constexpr std::uint64_t ring_seed = 0x7E11'0F1A'3E00'0201ull;
constexpr std::uint64_t warp_seed = 0x7E11'0F1A'3E00'0301ull;
constexpr std::uint64_t ray_seed = 0x7E11'0F1A'3E00'0401ull;

double length(double x, double y) { return std::sqrt(x * x + y * y); }

// The ignition: a round white-hot core that swells and dies within a few frames.
double flash(Point p, double t) {
  const double strength = 1.9 * decay(t / 0.09);
  const double radius = 30.0 + 160.0 * t;
  return strength * bump(length(p.x, p.y) / radius);
}

// A thin, ragged pressure ring that runs ahead of the fire and fades out
// before it reaches the edges.
double shock_ring(Point p, double t) {
  constexpr double aspect = 1.3;
  const double qx = p.x / aspect, qy = p.y;
  const double u = 1.0 - t;
  const double radius = 14.0 + 160.0 * (1.0 - u * u * u);
  const double width = 5.0 + 22.0 * t;
  const double strength = 1.05 * decay(t / 0.15) * (1.0 - smoothstep(0.3, 0.5, t));
  const double band = strength * bump((length(qx, qy) - radius) / width);
  if (band == 0.0) return 0.0;
  const double grain = fractal_noise(qx / 16.0, qy / 16.0, 3.0 * t, 2, ring_seed);
  return band * (0.3 + 1.2 * grain);
}

// The fireball: churning flame noise mixed with streaks that flow outwards,
// inside an outline that breaks into tongues. It fills from the centre, then
// burns hollow from the inside and crumbles into patches as the burn-out
// threshold rises.
double fireball(Point p, double t) {
  const double qx = p.x / blaze_aspect, qy = p.y;
  const double r = length(qx, qy);
  const double radius = blaze_radius(t);
  if (r >= 1.3 * radius) return 0.0;

  // Noise sampled along the direction from the centre gives the rim its
  // licks and the body its rays.
  const double inv_r = r > 1e-9 ? 1.0 / r : 0.0;
  const double dx = qx * inv_r, dy = qy * inv_r;
  const double tongue = fractal_noise(dx * 2.4, dy * 2.4 + 7.0, 1.4 * t, 3, tongue_seed);
  const double s = r / (radius * (0.72 + 0.56 * tongue));
  const double body = 1.0 - smoothstep(0.55, 1.0, s);
  const double inner = 0.75 * smoothstep(0.35, 0.9, t);
  const double hollow = inner > 0.0 ? smoothstep(inner - 0.4, inner + 0.05, s) : 1.0;

  // Billows that swell with the fireball and rise, their coordinates bent by
  // a second noise so they curl; and rays that run outwards with the blast.
  const double cell = 20.0 + 0.25 * radius;
  const double bx = qx / cell, by = (qy + 50.0 * t) / cell;
  const double warp = fractal_noise(bx * 0.7, by * 0.7, 1.1 * t + 3.0, 2, warp_seed) - 0.5;
  const double billows = fractal_noise(bx + 0.9 * warp, by - 0.9 * warp, 1.7 * t, 4, flame_seed);
  const double rays = fractal_noise(dx * 3.2, dy * 3.2, r / 30.0 - 4.5 * t, 3, ray_seed);
  // Rays fade out towards the centre, where their directions would meet in a point.
  const double ray_share = 0.45 * smoothstep(0.0, 0.45 * radius, r);
  const double flames = smoothstep(0.18, 0.82, mix(billows, rays, ray_share));

  const double strength = smoothstep(0.0, 0.14, t) * (1.0 - 0.45 * smoothstep(0.25, 1.0, t));
  const double core = mix(0.65, 1.15, 1.0 - clamp01(s));
  const double burn_out = 0.03 + 0.3 * smoothstep(0.45, 1.05, t);
  const double heat = strength * body * hollow * core * (0.1 + 1.35 * flames) - burn_out;
  return heat > 0.0 ? heat : 0.0;
}

// A faint red glow around the fireball while it is strong.
double glow(Point p, double t) {
  const double r = length(p.x / blaze_aspect, p.y);
  const double strength = 0.16 * smoothstep(0.0, 0.1, t) * (1.0 - smoothstep(0.45, 0.95, t));
  return strength * bump(r / (1.35 * blaze_radius(t) + 20.0));
}

}  // namespace

double blaze_radius(double t) {
  const double grow = 1.0 - clamp01(t / 0.55);
  return 20.0 + 100.0 * (1.0 - grow * grow) + 20.0 * (t > 0.55 ? t - 0.55 : 0.0);
}

double blaze_heat(Point p, double t) { return flash(p, t) + shock_ring(p, t) + fireball(p, t) + glow(p, t); }

}  // namespace splash
