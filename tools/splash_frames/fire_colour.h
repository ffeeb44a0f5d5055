// Heat to straight (not premultiplied) RGBA: the colour runs from deep red
// through orange and yellow to white as the heat rises, and the alpha follows
// the heat. The colour stays a bright red even where the alpha fades to 0, so
// soft edges never darken over the desktop, and everything with no heat gets
// the same colour, which compresses to almost nothing.
#pragma once

#include <cstdint>

namespace splash {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

Rgba fire_colour(double heat);

}  // namespace splash
