// Drawing a skinned child into its parent's picture: an image control, an
// image button in its draw state, a text panel with its fill, border and text.
#pragma once

#include <windows.h>

#include "skin/gdiplus_handles_win.h"

namespace skin {

// Paints one skinned child of `parent` into the parent's picture.
void draw_skinned_child(HWND parent, HWND child, GpGraphics* graphics);

// The image an image button shows in a draw state: the state's own image, or
// the normal image when the state has none.
GpImage* button_state_image(HWND child, int state);

}  // namespace skin
