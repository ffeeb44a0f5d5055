#include "particles.h"

#include <algorithm>
#include <cmath>

#include "blaze.h"
#include "random.h"
#include "shaping.h"

namespace splash {
namespace {

constexpr int spark_count = 110;
constexpr int ember_count = 100;

// A direction with no angle bias, found by rejection in the unit disc (no
// trigonometry, so no libm rounding).
Point random_direction(SplitMix64& random) {
  for (;;) {
    const double x = random.between(-1.0, 1.0), y = random.between(-1.0, 1.0);
    const double r2 = x * x + y * y;
    if (r2 > 0.01 && r2 <= 1.0) {
      const double r = std::sqrt(r2);
      return {x / r, y / r};
    }
  }
}

// Fast white-yellow sparks thrown out by the ignition, with long streaks.
Particle make_spark(SplitMix64& random) {
  const Point dir = random_direction(random);
  Particle p;
  const double early = random.unit();
  p.launch = 0.1 * early * early;
  const double start = random.between(2.0, 14.0);
  p.origin = {dir.x * start, dir.y * start};
  p.drag_time = random.between(0.16, 0.3);
  const double reach = random.between(70.0, 170.0);
  p.vx = dir.x * 1.3 * reach / p.drag_time;
  p.vy = dir.y * reach / p.drag_time;
  p.rise = random.between(60.0, 170.0);
  p.peak = random.between(0.9, 1.6);
  p.fade_in = 0.015;
  p.fade_start = random.between(0.0, 0.15);
  p.life = p.fade_start + random.between(0.25, 0.6);
  p.radius = random.between(1.8, 2.8);
  p.trail = 0.05;
  p.flicker_rate = random.between(6.0, 14.0);
  p.flicker_phase = random.unit();
  p.flicker_depth = 0.35;
  return p;
}

// Slow orange embers shed by the fireball; they drift up and outwards, sway
// and are still glowing, fainter, on the last frame.
Particle make_ember(SplitMix64& random) {
  const Point dir = random_direction(random);
  Particle p;
  p.launch = random.between(0.2, 0.55);
  const double start = blaze_radius(p.launch) * random.between(0.3, 1.0);
  p.origin = {dir.x * blaze_aspect * start, dir.y * start};
  p.drag_time = random.between(0.4, 0.8);
  const double speed = random.between(30.0, 120.0);
  p.vx = dir.x * 1.3 * speed;
  p.vy = dir.y * speed - random.between(0.0, 40.0);
  p.rise = random.between(40.0, 120.0);
  p.sway = random.between(4.0, 12.0);
  p.sway_rate = random.between(1.0, 3.0);
  p.sway_phase = random.unit();
  p.peak = random.between(0.55, 0.95);
  p.fade_in = 0.08;
  p.fade_start = random.between(0.2, 0.4);
  p.life = p.fade_start + random.between(0.6, 1.0);
  const double size = random.unit();
  p.radius = 2.2 + 2.6 * size * size;
  p.trail = 0.06;
  p.flicker_rate = random.between(3.0, 8.0);
  p.flicker_phase = random.unit();
  p.flicker_depth = 0.3;
  return p;
}

Point position(const Particle& p, double age) {
  const double travel = p.drag_time * (1.0 - decay(age / p.drag_time));
  const double drift = p.sway * (wave(age * p.sway_rate + p.sway_phase) - 0.5);
  return {p.origin.x + p.vx * travel + drift, p.origin.y + p.vy * travel - 0.5 * p.rise * age * age};
}

double brightness(const Particle& p, double age) {
  const double envelope = smoothstep(0.0, p.fade_in, age) * (1.0 - smoothstep(p.fade_start, p.life, age));
  return p.peak * envelope * (1.0 - p.flicker_depth * wave(age * p.flicker_rate + p.flicker_phase));
}

// The first and last frame column (or row) whose pixel centres can lie within
// [low, high] window pixels of the burst's centre.
void pixel_span(double low, double high, double centre, double scale, int count, int& first, int& last) {
  first = std::max(0, static_cast<int>(std::floor((low + centre) / scale - 0.5)));
  last = std::min(count - 1, static_cast<int>(std::ceil((high + centre) / scale - 0.5)));
}

// A streak from where the particle was `trail` ago to where it is, thinning
// and dimming towards the tail, plus a small halo round the head.
void splat_particle(const Particle& p, double t, HeatGrid& grid) {
  const double age = t - p.launch;
  if (age <= 0.0) return;
  const double heat = brightness(p, age);
  if (heat <= 0.0) return;
  const Point head = position(p, age);
  const Point tail = position(p, std::max(0.0, age - p.trail));
  const double halo = 3.5 * p.radius;

  int first_column = 0, last_column = 0, first_row = 0, last_row = 0;
  pixel_span(std::min(head.x, tail.x) - halo, std::max(head.x, tail.x) + halo, centre_x, scale_x, frame_width,
             first_column, last_column);
  pixel_span(std::min(head.y, tail.y) - halo, std::max(head.y, tail.y) + halo, centre_y, scale_y, frame_height,
             first_row, last_row);

  const double dx = head.x - tail.x, dy = head.y - tail.y;
  const double length2 = dx * dx + dy * dy;
  for (int row = first_row; row <= last_row; ++row) {
    for (int column = first_column; column <= last_column; ++column) {
      const Point c = pixel_centre(column, row);
      const double u = length2 > 0.0 ? clamp01(((c.x - tail.x) * dx + (c.y - tail.y) * dy) / length2) : 1.0;
      const double ex = c.x - (tail.x + dx * u), ey = c.y - (tail.y + dy * u);
      const double width = p.radius * (0.35 + 0.65 * u);
      const double streak = bump(std::sqrt(ex * ex + ey * ey) / width) * (0.15 + 0.85 * u);
      const double hx = c.x - head.x, hy = c.y - head.y;
      const double glow = 0.22 * bump(std::sqrt(hx * hx + hy * hy) / halo);
      grid.at(column, row) += heat * (streak + glow);
    }
  }
}

}  // namespace

Particles::Particles(std::uint64_t seed) {
  SplitMix64 random(seed);
  particles_.reserve(spark_count + ember_count);
  for (int i = 0; i < spark_count; ++i) particles_.push_back(make_spark(random));
  for (int i = 0; i < ember_count; ++i) particles_.push_back(make_ember(random));
}

void Particles::splat(double t, HeatGrid& grid) const {
  for (const Particle& p : particles_) splat_particle(p, t, grid);
}

}  // namespace splash
