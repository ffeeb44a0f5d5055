// Shaping curves built from basic arithmetic only: libm's exp and sin may
// round differently between library versions, and one flipped last bit can
// change a pixel byte.
#pragma once

#include <cmath>

namespace splash {

constexpr double clamp01(double x) { return x < 0.0 ? 0.0 : (x > 1.0 ? 1.0 : x); }

constexpr double mix(double a, double b, double t) { return a + (b - a) * t; }

constexpr double smoothstep(double edge0, double edge1, double x) {
  const double t = clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3.0 - 2.0 * t);
}

// A smooth bell that is exactly 0 from |s| = 1 on, so that everything drawn
// with it has a hard outer limit and the background stays fully transparent.
constexpr double bump(double s) {
  if (s <= -1.0 || s >= 1.0) return 0.0;
  const double u = 1.0 - s * s;
  return u * u * u;
}

// e^-x for x >= 0 as (1 + x/1024)^-1024: within 0.5% for x <= 3, which is
// plenty for fades, and the same bits everywhere.
constexpr double decay(double x) {
  double y = 1.0 / (1.0 + x / 1024.0);
  for (int i = 0; i < 10; ++i) y *= y;
  return y;
}

// A periodic wave in [0, 1] (period 1), smooth like a sine but made of a
// smoothstep over a triangle; drives flicker.
inline double wave(double x) {
  const double f = x - std::floor(x);
  const double triangle = f < 0.5 ? 2.0 * f : 2.0 - 2.0 * f;
  return smoothstep(0.0, 1.0, triangle);
}

}  // namespace splash
