// SplitMix64: a small, well-mixed generator whose whole sequence is fixed by its
// seed, so the frames come out the same on every run and every machine.
#pragma once

#include <cstdint>

namespace splash {

// One round of SplitMix64's output mixing; also used to hash lattice points.
constexpr std::uint64_t mix64(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    state_ += 0x9E3779B97F4A7C15ull;
    return mix64(state_);
  }

  // Uniform in [0, 1): the top 53 bits are exact in a double.
  double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

  double between(double low, double high) { return low + (high - low) * unit(); }

 private:
  std::uint64_t state_;
};

}  // namespace splash
