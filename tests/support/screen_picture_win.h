// What the screen shows in an area, copied at one moment: pixels to read, to
// compare with another moment, and to save as a PNG file for a person to look
// at (never to assert on).
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace test_support {

class ScreenPicture {
 public:
  // The screen inside `area` (screen coordinates), clipped to the screen;
  // throws when nothing of it is on the screen.
  static ScreenPicture take(RECT area);
  static ScreenPicture take_whole_screen();

  const RECT& area() const { return area_; }
  int width() const { return area_.right - area_.left; }
  int height() const { return area_.bottom - area_.top; }
  // 0x00RRGGBB, top row first.
  const std::vector<std::uint32_t>& pixels() const { return pixels_; }
  // The colour at a point of the picture (0,0 is the area's top left).
  COLORREF pixel(int x, int y) const;
  // The colour at a point of the screen inside the area, as 0x00RRGGBB.
  std::uint32_t at(POINT screen_point) const;
  // True when every pixel has this colour.
  bool is_all(COLORREF colour) const;
  // How many pixels of the area both pictures show differ.
  std::size_t differing_pixels(const ScreenPicture& other) const;
  friend bool operator==(const ScreenPicture&, const ScreenPicture&);

  // Writes the picture as a PNG file through GDI+, making its folder.
  void save_png(const std::filesystem::path& file) const;

 private:
  ScreenPicture(RECT area, std::vector<std::uint32_t> pixels) : area_(area), pixels_(std::move(pixels)) {}

  RECT area_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace test_support
