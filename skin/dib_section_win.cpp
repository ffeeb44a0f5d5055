#include "skin/dib_section_win.h"

#include "skin/live_counts.h"

namespace skin {

DibSection::DibSection(HDC dc, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // positive: bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_) return;
  bits_ = static_cast<std::uint32_t*>(bits);
  ++live_counts().dib_sections;
}

DibSection::~DibSection() {
  if (bitmap_) --live_counts().dib_sections;
}

}  // namespace skin
