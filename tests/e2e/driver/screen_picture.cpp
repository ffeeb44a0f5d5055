#include "driver/screen_picture.h"

#include <algorithm>
#include <stdexcept>

namespace e2e {

host::OwnedGdiObject copy_of_screen(RECT area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) throw std::runtime_error("an empty area has no picture");
  const host::WindowDc screen;
  const host::OwnedMemoryDc memory(CreateCompatibleDC(screen.get()));
  host::OwnedGdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  if (!memory || !bitmap) throw std::runtime_error("no memory for a copy of the screen");
  const host::SelectedObject selection(memory.get(), bitmap.get());
  if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY | CAPTUREBLT))
    throw std::runtime_error("cannot copy the screen");
  return bitmap;
}

ScreenPicture ScreenPicture::take(RECT area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  const host::OwnedGdiObject bitmap = copy_of_screen(area);
  const host::WindowDc screen;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;  // top row first
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  if (GetDIBits(screen.get(), static_cast<HBITMAP>(bitmap.get()), 0, static_cast<UINT>(height), pixels.data(), &format,
                DIB_RGB_COLORS) != height)
    throw std::runtime_error("cannot read the screen picture");
  for (std::uint32_t& pixel : pixels) pixel &= 0x00FFFFFF;  // the unused byte is not part of the colour
  return ScreenPicture(width, height, std::move(pixels));
}

COLORREF ScreenPicture::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) throw std::out_of_range("a point outside the picture");
  const std::uint32_t rgb = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

bool ScreenPicture::is_all(COLORREF colour) const {
  const std::uint32_t rgb = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  return std::all_of(pixels_.begin(), pixels_.end(), [rgb](std::uint32_t pixel) { return pixel == rgb; });
}

}  // namespace e2e
