#include "screen_capture.h"

#include <algorithm>
#include <fstream>

#include "host/services/handles_win.h"
#include "skin/image_maker.h"

namespace host::testing {
Screenshot capture_screen(RECT area) {
  Screenshot picture;
  area.left = std::max<LONG>(area.left, 0);
  area.top = std::max<LONG>(area.top, 0);
  area.right = std::min<LONG>(area.right, GetSystemMetrics(SM_CXSCREEN));
  area.bottom = std::min<LONG>(area.bottom, GetSystemMetrics(SM_CYSCREEN));
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return picture;
  const WindowDc screen;
  OwnedMemoryDc memory(CreateCompatibleDC(screen.get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  OwnedBitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap) return picture;
  const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
  const BOOL copied = BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
  SelectObject(memory.get(), previous);
  if (!copied) return picture;
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  picture.area = area;
  picture.pixels.assign(first, first + static_cast<std::size_t>(width) * height);
  for (std::uint32_t& pixel : picture.pixels) pixel &= 0x00FFFFFF;
  return picture;
}

bool save_png(const Screenshot& picture, const std::filesystem::path& file) {
  const int width = picture.area.right - picture.area.left;
  const int height = picture.area.bottom - picture.area.top;
  if (width <= 0 || height <= 0) return false;
  const skin::GdipImage image = skin::testing::make_bitmap(width, height, [&](int x, int y) {
    return 0xFF000000u | picture.pixels[static_cast<std::size_t>(y) * width + x];
  });
  const std::vector<std::uint8_t> png = skin::testing::encode_png(image.get());
  if (png.empty()) return false;
  std::error_code ignored;
  std::filesystem::create_directories(file.parent_path(), ignored);
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(out);
}

std::filesystem::path artifacts_folder() {
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  return std::filesystem::path(program).parent_path() / L"artifacts";
}

}  // namespace host::testing
