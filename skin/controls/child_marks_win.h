// Marking a window's children for the compositor before skin_children: which
// kind of skinned control each is, how its image is placed, its images, and a
// text panel's colours. The values are those the drawing code reads from the
// child's properties.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/controls/child_kinds.h"
#include "skin/held_images_win.h"

namespace skin {

void set_child_type(HWND child, ChildType type);
void set_placement(HWND child, Placement placement);
// Held by the child until it is replaced or the child is destroyed.
bool set_child_image(HWND child, ImageSlot slot, Image image);

// COLORREF colours; kNoColour (-1) draws no fill or no border. Alphas 0-255.
void set_back_colour(HWND panel, std::int32_t colour, int alpha);
void set_border_colour(HWND panel, std::int32_t colour, int alpha);
// Text is always drawn opaque.
void set_text_colour(HWND panel, std::int32_t colour);

}  // namespace skin
