// The layered window compositor: a window's background image and its skinned
// children painted into one 32-bit ARGB picture of the window's outer size,
// presented with UpdateLayeredWindow and per-pixel alpha. Every change
// recomposes the whole window.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/dib_section_win.h"
#include "skin/gdiplus_handles_win.h"

namespace skin {

// The window's picture: its background stretched to the outer size, then its
// skinned children from the top of the Z order down. Empty when GDI+ fails.
GdipImage compose_window(HWND window);

// Composes the window and presents the picture. The picture of the window
// that owns the caret is kept for the caret to blink over; others are dropped.
void compose_and_present(HWND window);

// Shows the picture on the layered window, optionally with the caret line
// drawn over it (the picture itself is left as it is).
void present_layered(HWND window, GpImage* picture, bool with_caret);

// What present_layered hands to UpdateLayeredWindow: a bottom-up 32-bit DIB
// section of the window's outer size holding the picture in premultiplied
// ARGB (and the caret line), selected into a memory DC.
class PresentationSurface {
 public:
  PresentationSurface(HWND window, GpImage* picture, bool with_caret);
  explicit operator bool() const { return ready_; }
  HDC dc() const { return memory_dc_.get(); }
  HDC window_dc() const { return window_dc_.get(); }
  SIZE size() const { return size_; }
  // Premultiplied pixels, bottom row first.
  const std::uint32_t* bits() const { return dib_.bits(); }

 private:
  void draw_caret_on_surface(HWND window);

  SIZE size_;
  host::WindowDc window_dc_;
  host::OwnedMemoryDc memory_dc_;
  DibSection dib_;
  host::SelectedObject selected_;
  bool ready_ = false;
};


}  // namespace skin
