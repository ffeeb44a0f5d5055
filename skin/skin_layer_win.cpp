#include "skin/skin_layer_win.h"

#include <utility>

#include "skin/held_images_win.h"
#include "skin/png_window_win.h"
#include "skin/skin_startup_win.h"

namespace skin {

void SkinLayer::startup() { ahead_.start(); }

void SkinLayer::decode_ahead(std::vector<std::span<const std::uint8_t>> images) { ahead_.decode(std::move(images)); }

// The images go first (the one decoded ahead, and those of windows not yet
// destroyed), then GDI+.
void SkinLayer::shutdown() {
  ahead_.stop();
  release_images_held_on_this_thread();
  skin_shutdown();
}

std::unique_ptr<SkinWindow> SkinLayer::create_window() { return std::make_unique<PngWindow>(&ahead_); }

}  // namespace skin
