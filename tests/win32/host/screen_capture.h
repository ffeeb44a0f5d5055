// Pictures of the screen for tests: the pixels of an area, and the area saved
// as a PNG file (through GDI+, which must be started) for a person to look at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace host::testing {

struct Screenshot {
  RECT area{};  // screen pixels
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first

  // The pixel at a screen point inside the area.
  std::uint32_t at(POINT point) const {
    return pixels[static_cast<std::size_t>(point.y - area.top) * (area.right - area.left) + (point.x - area.left)];
  }
};

// The screen's pixels in the area (clipped to the screen).
Screenshot capture_screen(RECT area);

// Writes the picture as a PNG file, making its folder; false on failure.
bool save_png(const Screenshot& picture, const std::filesystem::path& file);

// The folder for files a person looks at after the tests: "artifacts" beside
// the test program.
std::filesystem::path artifacts_folder();

}  // namespace host::testing
