#include "skin/controls/caret_win.h"

#include "skin/colour.h"
#include "skin/compositor_win.h"
#include "skin/controls/layout.h"

namespace skin {

CaretState& caret_state() {
  static CaretState state;
  return state;
}

void draw_caret(HWND parent, HWND child, GpGraphics* graphics) {
  const auto* g = gdiplus();
  RECT panel{};
  if (!g || !GetWindowRect(child, &panel)) return;
  POINT corner{panel.left, panel.top};
  ScreenToClient(parent, &corner);
  POINT caret{};
  GetCaretPos(&caret);
  const Point top = caret_line_top({corner.x, corner.y}, panel.bottom - panel.top, {caret.x, caret.y});
  const GdipPen line = pen(color_to_argb(0, 255), 1.0f);
  if (!line) return;
  const auto x = static_cast<float>(top.x);
  const auto y = static_cast<float>(top.y);
  g->GdipDrawLine(graphics, line.get(), x, y, x, y + kCaretHeight);
}

void CALLBACK caret_timer_proc(HWND window, UINT, UINT_PTR id, DWORD) {
  CaretState& caret = caret_state();
  if (id != kCaretTimerId || window != caret.parent || !caret.child || !caret.image) return;
  caret.visible = !caret.visible;
  present_layered(caret.parent, caret.image.get(), caret.visible);
}

void forget_caret_window(HWND window) {
  CaretState& caret = caret_state();
  if (window == caret.parent) {
    caret.parent = nullptr;
    caret.child = nullptr;
    caret.image.reset();
  } else if (window == caret.child) {
    caret.child = nullptr;
  }
}

}  // namespace skin
