// What is on the screen in a rectangle, as a person sees it: the pixels the
// desktop shows there, copied at one moment. Used to see colours and to see
// a picture change; a copy can also be saved as a PNG for people.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "host/services/handles_win.h"

namespace e2e {

class ScreenPicture {
 public:
  // Copies the screen inside `area` (screen coordinates).
  static ScreenPicture take(RECT area);

  int width() const { return width_; }
  int height() const { return height_; }
  // The colour at a point of the picture (0,0 is the area's top left).
  COLORREF pixel(int x, int y) const;
  // Pictures compare equal when every pixel is the same.
  friend bool operator==(const ScreenPicture&, const ScreenPicture&) = default;
  // True when every pixel has this colour.
  bool is_all(COLORREF colour) const;

 private:
  ScreenPicture(int width, int height, std::vector<std::uint32_t> pixels)
      : width_(width), height_(height), pixels_(std::move(pixels)) {}

  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;  // 0x00RRGGBB, top row first
};

// A bitmap holding a copy of the screen inside `area`.
host::OwnedGdiObject copy_of_screen(RECT area);

}  // namespace e2e
