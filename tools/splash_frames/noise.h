// Seeded gradient noise over (x, y, time) and its fractal sum, for the flames.
#pragma once

#include <cstdint>

namespace splash {

// Perlin-style gradient noise with hashed lattice gradients; about [-1, 1],
// 0 on every lattice point, one feature per unit.
double gradient_noise(double x, double y, double z, std::uint64_t seed);

// Octaves of gradient noise, each twice the frequency and half the weight of
// the one before, mapped to [0, 1] around 0.5.
double fractal_noise(double x, double y, double z, int octaves, std::uint64_t seed);

}  // namespace splash
