#include "screen_picture_win.h"

#include <objidl.h>  // left out by WIN32_LEAN_AND_MEAN, needed by GDI+
#include <gdiplus.h>

#include <algorithm>
#include <stdexcept>

#include "host/services/handles_win.h"

namespace test_support {
namespace {

// {557CF406-1A04-11D3-9A73-0000F81EF32E}, GDI+'s built-in PNG encoder.
constexpr CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

std::uint32_t rgb_of(COLORREF colour) {
  return static_cast<std::uint32_t>(GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour));
}

class GdiplusUse {
 public:
  GdiplusUse() {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) throw std::runtime_error("GDI+ did not start");
  }
  ~GdiplusUse() { Gdiplus::GdiplusShutdown(token_); }
  GdiplusUse(const GdiplusUse&) = delete;
  GdiplusUse& operator=(const GdiplusUse&) = delete;

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace

ScreenPicture ScreenPicture::take(RECT area) {
  area.left = std::max<LONG>(area.left, 0);
  area.top = std::max<LONG>(area.top, 0);
  area.right = std::min<LONG>(area.right, GetSystemMetrics(SM_CXSCREEN));
  area.bottom = std::min<LONG>(area.bottom, GetSystemMetrics(SM_CYSCREEN));
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) throw std::runtime_error("the area is off the screen");

  const host::WindowDc screen;
  const host::OwnedMemoryDc memory(CreateCompatibleDC(screen.get()));
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;  // top row first
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const host::OwnedBitmap bitmap(CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap) throw std::runtime_error("no memory for a copy of the screen");
  {
    const host::SelectedObject selection(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY | CAPTUREBLT))
      throw std::runtime_error("cannot copy the screen");
  }
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::uint32_t& pixel : pixels) pixel &= 0x00FFFFFF;  // the unused byte is not part of the colour
  return ScreenPicture(area, std::move(pixels));
}

ScreenPicture ScreenPicture::take_whole_screen() {
  return take(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

COLORREF ScreenPicture::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width() || y >= height()) throw std::out_of_range("a point outside the picture");
  const std::uint32_t rgb = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width()) + static_cast<std::size_t>(x)];
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::uint32_t ScreenPicture::at(POINT screen_point) const {
  return rgb_of(pixel(screen_point.x - area_.left, screen_point.y - area_.top));
}

bool ScreenPicture::is_all(COLORREF colour) const {
  const std::uint32_t rgb = rgb_of(colour);
  return std::all_of(pixels_.begin(), pixels_.end(), [rgb](std::uint32_t pixel) { return pixel == rgb; });
}

std::size_t ScreenPicture::differing_pixels(const ScreenPicture& other) const {
  RECT both{};
  if (!IntersectRect(&both, &area_, &other.area_)) return 0;
  std::size_t differing = 0;
  for (LONG y = both.top; y < both.bottom; ++y)
    for (LONG x = both.left; x < both.right; ++x)
      if (at({x, y}) != other.at({x, y})) ++differing;
  return differing;
}

bool operator==(const ScreenPicture& a, const ScreenPicture& b) {
  return EqualRect(&a.area_, &b.area_) && a.pixels_ == b.pixels_;
}

void ScreenPicture::save_png(const std::filesystem::path& file) const {
  std::error_code ignored;
  std::filesystem::create_directories(file.parent_path(), ignored);
  const GdiplusUse gdiplus;
  std::vector<std::uint32_t> opaque(pixels_);
  for (std::uint32_t& pixel : opaque) pixel |= 0xFF000000;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(width(), height(), width() * 4, PixelFormat32bppARGB,
                                                     reinterpret_cast<BYTE*>(opaque.data()), &bitmap) != Gdiplus::Ok)
    throw std::runtime_error("GDI+ cannot take the picture");
  const Gdiplus::Status saved = Gdiplus::DllExports::GdipSaveImageToFile(bitmap, file.c_str(), &kPngEncoder, nullptr);
  Gdiplus::DllExports::GdipDisposeImage(bitmap);
  if (saved != Gdiplus::Ok) throw std::runtime_error("cannot write the picture");
}

}  // namespace test_support
