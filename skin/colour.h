// Colour conversions between Win32 COLORREF values, GDI+ ARGB and the
// premultiplied pixels a per-pixel-alpha layered window is presented from.
#pragma once

#include <cstdint>
#include <span>

namespace skin {

// Colour properties hold -1 for "none" (no fill, no border).
inline constexpr std::int32_t kNoColour = -1;

// COLORREF 0x00BBGGRR and an alpha (only its low 8 bits count) to ARGB
// 0xAARRGGBB.
std::uint32_t color_to_argb(std::int32_t colorref, std::int32_t alpha);

// Straight ARGB pixels to premultiplied ones, as UpdateLayeredWindow with
// AC_SRC_ALPHA expects them. `to` must hold at least as many pixels as `from`.
void premultiply(std::span<const std::uint32_t> from, std::span<std::uint32_t> to);

}  // namespace skin
