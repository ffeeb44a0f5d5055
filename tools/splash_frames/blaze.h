// The continuous part of the burst: the white flash, the shock ring, the
// noise-driven fireball and its glow. t runs from 0 (ignition) to 1 (the
// last frame); heat 0 is nothing, about 0.5 is orange, 1 and more white.
#pragma once

#include "view.h"

namespace splash {

// Radius of the fireball in window pixels along y (it is wider along x).
double blaze_radius(double t);

// How much wider than tall the fireball and the shock ring are.
inline constexpr double blaze_aspect = 1.6;

double blaze_heat(Point p, double t);

}  // namespace splash
