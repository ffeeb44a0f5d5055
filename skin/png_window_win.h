// The skin window object: a handle to one window that the layer makes a
// per-pixel-alpha layered window with a background image and skinned
// children. It does not own the window; destroying it leaves the window, its
// style, timer and properties alone.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>

#include "skin/decode_ahead_win.h"
#include "skin/image_win.h"
#include "skin/skin_api.h"

namespace skin {

class PngWindow final : public SkinWindow {
 public:
  PngWindow() = default;
  explicit PngWindow(HWND window) : window_(window) {}
  // Takes the images it loads from `ahead` when they are decoded there.
  explicit PngWindow(DecodeAhead* ahead) : ahead_(ahead) {}

  // Makes the window layered (extended style exactly WS_EX_LAYERED), gives it
  // a hidden caret and, once per window, the caret timer. False for a handle
  // that is not a window, which keeps the previous one. Nothing is drawn until
  // a background is set.
  bool attach(HWND window);
  bool attach(std::uintptr_t window) override { return attach(reinterpret_cast<HWND>(window)); }

  // Makes the image the window's background (releasing the one it replaces)
  // and recomposes and presents the window. False, releasing the image, when
  // the handle is not a window or the image is empty.
  bool set_back_image(Image image);
  bool load_back_image(std::span<const std::uint8_t> image_bytes) override;

  // Subclasses the marked direct children and recomposes the window.
  void skin_children();

  // Omitted coordinates keep the current ones.
  void move(std::optional<int> left, std::optional<int> top, std::optional<int> width = std::nullopt,
            std::optional<int> height = std::nullopt, bool no_redraw = false);

  HWND get_handle() const { return window_; }
  bool is_valid() const { return IsWindow(window_) != FALSE; }
  LRESULT send(UINT message, WPARAM wparam, LPARAM lparam) const;

 private:
  HWND window_ = nullptr;
  DecodeAhead* ahead_ = nullptr;
};

}  // namespace skin
