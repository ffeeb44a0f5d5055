// Skinned child controls. A layered window's children never paint
// themselves, so the layer subclasses the image buttons and text panels and
// recomposes their parent whenever their look may have changed. The previous
// window procedure always runs and its result is returned.
#pragma once

#include <windows.h>

namespace skin {

// Subclasses the window's direct children that are marked as image buttons or
// text panels, each once; puts back a procedure saved by an earlier scheme.
void subclass_skinned_children(HWND window);

LRESULT CALLBACK button_proc(HWND button, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK text_panel_proc(HWND panel, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace skin
