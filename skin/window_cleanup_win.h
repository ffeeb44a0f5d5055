// What the layer gives back when a window it draws or holds images for is
// destroyed: the held images with their memory, the cached caret picture when
// the window owned the caret, and the layer's properties.
#pragma once

#include <windows.h>

namespace skin {

// Arranges the release for when the window is destroyed; calling it again
// for the same window changes nothing.
void release_at_destruction(HWND window);

}  // namespace skin
