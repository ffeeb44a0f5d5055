// Images the layer holds for a window. Each slot is an image property that
// the drawing code reads, plus an owner record of ours beside it; setting a
// slot releases the image it replaces together with its memory, and a window
// destroyed with images still held releases them (see window_cleanup_win.h).
#pragma once

#include <windows.h>

#include "skin/image_win.h"

namespace skin {

enum class ImageSlot {
  Back,     // "PngControl_BackImage": window background; image control and text panel
  Normal,   // "PngControl_NormalImage": image button, state normal and fallback
  Over,     // "PngControl_OverlImage": image button, mouse over
  Down,     // "PngControl_DownImage": image button, pressed
  Disable,  // "PngControl_DisableImage": image button, disabled
};

// False, releasing the image, when the window is not a window or the image is
// empty; the slot then keeps what it had.
bool hold_image(HWND window, ImageSlot slot, Image image);

// Releases every image held for the window and clears their properties.
void release_held_images(HWND window);

// Releases the images held for every window of this thread (top-level
// windows and their children), for the layer's shutdown: GDI+ cannot free an
// image once it is gone, and the host may destroy a window it was asked to
// close only after the event that asked has returned. A layered window keeps
// showing what it last presented.
void release_images_held_on_this_thread();

}  // namespace skin
