// Owners of GDI+ handles, of the program's one family of handle owners
// (host/services/handles_win.h). Images are counted in live_counts().
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/services/handles_win.h"
#include "skin/gdiplus_api_win.h"
#include "skin/live_counts.h"

namespace skin {

void delete_image(GpImage* image);
void delete_graphics(GpGraphics* graphics);
void delete_brush(GpBrush* brush);
void delete_pen(GpPen* pen);
void delete_font(GpFont* font);
void delete_font_family(GpFontFamily* family);
void delete_string_format(GpStringFormat* format);

template <class T, void (*Delete)(T*), int LiveCounts::*Count = nullptr>
struct GdipTraits {
  using Handle = T*;
  static constexpr Handle empty() { return nullptr; }
  static bool release(Handle handle) {
    Delete(handle);
    if constexpr (Count != nullptr) --(live_counts().*Count);
    return true;
  }
  static void count_new(Handle handle) {
    if constexpr (Count != nullptr) {
      if (handle) ++(live_counts().*Count);
    }
  }
};

template <class T, void (*Delete)(T*), int LiveCounts::*Count = nullptr>
using GdipOwned = host::Owned<GdipTraits<T, Delete, Count>>;

// An owner of a handle the layer has just made, counted; the plain
// constructor takes back one that was handed out (into a window property)
// and is counted already.
template <class Owner>
Owner created(typename Owner::Handle handle) {
  Owner::HandleTraits::count_new(handle);
  return Owner(handle);
}

using GdipImage = GdipOwned<GpImage, delete_image, &LiveCounts::images>;
using GdipGraphics = GdipOwned<GpGraphics, delete_graphics>;
using GdipBrush = GdipOwned<GpBrush, delete_brush>;
using GdipPen = GdipOwned<GpPen, delete_pen>;

// The pixels of a bitmap as 32-bit straight ARGB, locked for reading or
// writing until this object goes. Empty when the image has no pixels to lock
// (a metafile) or GDI+ fails.
class BitmapPixels {
 public:
  BitmapPixels(GpImage* image, Gdiplus::ImageLockMode mode);
  BitmapPixels(const BitmapPixels&) = delete;
  BitmapPixels& operator=(const BitmapPixels&) = delete;
  ~BitmapPixels();
  explicit operator bool() const noexcept { return locked_; }
  int width() const noexcept { return static_cast<int>(data_.Width); }
  int height() const noexcept { return static_cast<int>(data_.Height); }
  std::uint32_t* row(int y) const noexcept {
    return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(data_.Scan0) + y * data_.Stride);
  }
  // The distance between rows in pixels.
  std::ptrdiff_t stride() const noexcept { return data_.Stride / 4; }

 private:
  GpBitmap* bitmap_;
  Gdiplus::BitmapData data_{};
  bool locked_ = false;
};

// A new bitmap in 32-bit ARGB, fully transparent; empty when GDI+ fails.
GdipImage create_argb_bitmap(int width, int height);
// A graphics that draws into the image.
GdipGraphics graphics_for(GpImage* image);
GdipBrush solid_brush(ARGB colour);
GdipPen pen(ARGB colour, float width);

}  // namespace skin
