#include "skin/png_window_win.h"

#include "skin/compositor_win.h"
#include "skin/controls/caret_win.h"
#include "skin/controls/layout.h"
#include "skin/controls/skinned_controls_win.h"
#include "skin/held_images_win.h"
#include "skin/move_plan.h"
#include "skin/property_names.h"
#include "skin/property_store_win.h"
#include "skin/window_cleanup_win.h"

namespace skin {

bool PngWindow::attach(HWND window) {
  if (!IsWindow(window)) return false;
  window_ = window;
  SetWindowLongPtrW(window, GWL_EXSTYLE, WS_EX_LAYERED);
  // A system caret for the thread, which GetCaretPos reports on; never shown,
  // as a window presented with UpdateLayeredWindow could not show it anyway.
  CreateCaret(window, nullptr, 1, kCaretHeight);
  if (read_property(window, prop::kTime) == 0) {
    SetTimer(window, kCaretTimerId, kCaretBlinkMs, caret_timer_proc);
    write_property(window, prop::kTime, kCaretTimerId);
  }
  release_at_destruction(window);
  return true;
}

bool PngWindow::set_back_image(Image image) {
  if (!hold_image(window_, ImageSlot::Back, std::move(image))) return false;
  compose_and_present(window_);
  return true;
}

bool PngWindow::load_back_image(std::span<const std::uint8_t> image_bytes) {
  Image image = ahead_ ? ahead_->take(image_bytes) : Image();
  return set_back_image(image ? std::move(image) : image_from_bytes(image_bytes));
}

void PngWindow::skin_children() {
  if (!is_valid()) return;
  subclass_skinned_children(window_);
  compose_and_present(window_);
}

void PngWindow::move(std::optional<int> left, std::optional<int> top, std::optional<int> width,
                     std::optional<int> height, bool no_redraw) {
  RECT rect{};
  GetWindowRect(window_, &rect);
  const MovePlan plan = plan_move({rect.left, rect.top, rect.right, rect.bottom}, left, top, width, height, no_redraw);
  SetWindowPos(window_, nullptr, plan.x, plan.y, plan.width, plan.height, plan.flags);
}

LRESULT PngWindow::send(UINT message, WPARAM wparam, LPARAM lparam) const {
  return SendMessageW(window_, message, wparam, lparam);
}

}  // namespace skin
