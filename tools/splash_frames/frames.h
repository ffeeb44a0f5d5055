// One frame of the splash: the fire at time frame / frame_count.
#pragma once

#include <cstdint>
#include <vector>

#include "particles.h"

namespace splash {

// Straight RGBA rows, top to bottom, frame_width x frame_height pixels.
// `number` runs from 1 to frame_count.
std::vector<std::uint8_t> render_frame(const Particles& particles, int number);

}  // namespace splash
