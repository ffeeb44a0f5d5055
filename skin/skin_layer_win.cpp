#include "skin/skin_layer_win.h"

#include "skin/png_window_win.h"
#include "skin/skin_startup_win.h"

namespace skin {

void SkinLayer::startup() { skin_startup(); }

void SkinLayer::shutdown() { skin_shutdown(); }

std::unique_ptr<SkinWindow> SkinLayer::create_window() { return std::make_unique<PngWindow>(); }

}  // namespace skin
