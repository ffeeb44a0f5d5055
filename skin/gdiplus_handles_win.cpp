#include "skin/gdiplus_handles_win.h"

namespace skin {

void delete_image(GpImage* image) {
  if (const auto* g = gdiplus()) g->GdipDisposeImage(image);
}

void delete_graphics(GpGraphics* graphics) {
  if (const auto* g = gdiplus()) g->GdipDeleteGraphics(graphics);
}

void delete_brush(GpBrush* brush) {
  if (const auto* g = gdiplus()) g->GdipDeleteBrush(brush);
}

void delete_pen(GpPen* pen) {
  if (const auto* g = gdiplus()) g->GdipDeletePen(pen);
}

void delete_font(GpFont* font) {
  if (const auto* g = gdiplus()) g->GdipDeleteFont(font);
}

void delete_font_family(GpFontFamily* family) {
  if (const auto* g = gdiplus()) g->GdipDeleteFontFamily(family);
}

void delete_string_format(GpStringFormat* format) {
  if (const auto* g = gdiplus()) g->GdipDeleteStringFormat(format);
}

BitmapPixels::BitmapPixels(GpImage* image, Gdiplus::ImageLockMode mode) : bitmap_(static_cast<GpBitmap*>(image)) {
  const auto* g = gdiplus();
  UINT width = 0;
  UINT height = 0;
  if (!g || !image || g->GdipGetImageWidth(image, &width) != Gdiplus::Ok ||
      g->GdipGetImageHeight(image, &height) != Gdiplus::Ok) {
    return;
  }
  const Gdiplus::Rect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
  locked_ = g->GdipBitmapLockBits(bitmap_, &all, mode, PixelFormat32bppARGB, &data_) == Gdiplus::Ok;
}

BitmapPixels::~BitmapPixels() {
  if (locked_) gdiplus()->GdipBitmapUnlockBits(bitmap_, &data_);
}

GdipImage create_argb_bitmap(int width, int height) {
  const auto* g = gdiplus();
  if (!g) return {};
  GpBitmap* bitmap = nullptr;
  if (g->GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap) != Gdiplus::Ok) return {};
  return created<GdipImage>(bitmap);
}

GdipGraphics graphics_for(GpImage* image) {
  const auto* g = gdiplus();
  if (!g || !image) return {};
  GpGraphics* graphics = nullptr;
  if (g->GdipGetImageGraphicsContext(image, &graphics) != Gdiplus::Ok) return {};
  return GdipGraphics(graphics);
}

GdipBrush solid_brush(ARGB colour) {
  const auto* g = gdiplus();
  if (!g) return {};
  GpSolidFill* brush = nullptr;
  if (g->GdipCreateSolidFill(colour, &brush) != Gdiplus::Ok) return {};
  return GdipBrush(brush);
}

GdipPen pen(ARGB colour, float width) {
  const auto* g = gdiplus();
  if (!g) return {};
  GpPen* created = nullptr;
  if (g->GdipCreatePen1(colour, width, Gdiplus::UnitWorld, &created) != Gdiplus::Ok) return {};
  return GdipPen(created);
}

}  // namespace skin
