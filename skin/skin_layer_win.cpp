#include "skin/skin_layer_win.h"

#include <utility>

#include "skin/png_window_win.h"
#include "skin/skin_startup_win.h"

namespace skin {

void SkinLayer::startup() { ahead_.start(); }

void SkinLayer::decode_ahead(std::vector<std::span<const std::uint8_t>> images) { ahead_.decode(std::move(images)); }

// The image decoded ahead goes first, then GDI+.
void SkinLayer::shutdown() {
  ahead_.stop();
  skin_shutdown();
}

std::unique_ptr<SkinWindow> SkinLayer::create_window() { return std::make_unique<PngWindow>(&ahead_); }

}  // namespace skin
