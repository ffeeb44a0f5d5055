// The simulated text caret. A layered window never shows the system caret, so
// the text panel that has the focus records itself here, every composition of
// its parent window is cached, and the parent's 500 ms timer re-presents that
// cached picture with or without a caret line, without recomposing it.
#pragma once

#include <windows.h>

#include "skin/gdiplus_handles_win.h"

namespace skin {

inline constexpr UINT_PTR kCaretTimerId = 64;
inline constexpr UINT kCaretBlinkMs = 500;

// The layer's process-wide caret state, touched on the user-interface thread.
struct CaretState {
  HWND parent = nullptr;  // window of the text panel that has the focus
  HWND child = nullptr;   // that text panel
  GdipImage image;        // the last picture composed for `parent`
  bool visible = false;
};

CaretState& caret_state();

// Draws the caret line of the panel `child` of `parent` into `graphics`.
void draw_caret(HWND parent, HWND child, GpGraphics* graphics);

// The caret timer: toggles the caret and re-presents the cached picture.
void CALLBACK caret_timer_proc(HWND window, UINT message, UINT_PTR id, DWORD time);

// Forgets a window that is being destroyed as caret parent or panel.
void forget_caret_window(HWND window);

}  // namespace skin
