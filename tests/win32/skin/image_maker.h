// Images made in memory for the skin layer's tests and benchmark: bitmaps
// from a pixel function, their PNG files as encoded by GDI+ itself (so that no
// binary fixture is needed), and the pixels of a picture. GDI+ must be loaded.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "skin/gdiplus_handles_win.h"
#include "skin/hglobal_stream_win.h"
#include "skin/image_win.h"

namespace skin::testing {

// Every pixel of a 32-bit ARGB image, top row first.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
  std::uint32_t at(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
};

inline Pixels read_pixels(GpImage* image) {
  Pixels pixels;
  const auto* g = gdiplus();
  UINT width = 0;
  UINT height = 0;
  g->GdipGetImageWidth(image, &width);
  g->GdipGetImageHeight(image, &height);
  pixels.width = static_cast<int>(width);
  pixels.height = static_cast<int>(height);
  pixels.argb.resize(static_cast<std::size_t>(width) * height);
  Gdiplus::BitmapData data{};
  data.Width = width;
  data.Height = height;
  data.Stride = static_cast<INT>(width * 4);
  data.PixelFormat = PixelFormat32bppARGB;
  data.Scan0 = pixels.argb.data();
  const Gdiplus::Rect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
  auto* bitmap = static_cast<GpBitmap*>(image);
  if (g->GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                            PixelFormat32bppARGB, &data) != Gdiplus::Ok) {
    return {};
  }
  g->GdipBitmapUnlockBits(bitmap, &data);
  return pixels;
}

// A bitmap whose pixel (x, y) is colour(x, y), in straight ARGB.
inline GdipImage make_bitmap(int width, int height, const std::function<std::uint32_t(int, int)>& colour) {
  GdipImage bitmap = create_argb_bitmap(width, height);
  std::vector<std::uint32_t> argb(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) argb[static_cast<std::size_t>(y) * width + x] = colour(x, y);
  }
  Gdiplus::BitmapData data{};
  data.Width = static_cast<UINT>(width);
  data.Height = static_cast<UINT>(height);
  data.Stride = width * 4;
  data.PixelFormat = PixelFormat32bppARGB;
  data.Scan0 = argb.data();
  const Gdiplus::Rect all(0, 0, width, height);
  auto* target = static_cast<GpBitmap*>(bitmap.get());
  const auto* g = gdiplus();
  if (g->GdipBitmapLockBits(target, &all, Gdiplus::ImageLockModeWrite | Gdiplus::ImageLockModeUserInputBuf,
                            PixelFormat32bppARGB, &data) != Gdiplus::Ok) {
    return {};
  }
  g->GdipBitmapUnlockBits(target, &data);
  return bitmap;
}

inline GdipImage solid_bitmap(int width, int height, std::uint32_t argb) {
  return make_bitmap(width, height, [argb](int, int) { return argb; });
}

inline Image solid_image(int width, int height, std::uint32_t argb) { return Image(solid_bitmap(width, height, argb)); }

// The image as a PNG file, encoded by GDI+; empty when that fails.
inline std::vector<std::uint8_t> encode_png(GpImage* image) {
  const auto* g = gdiplus();
  UINT count = 0;
  UINT size = 0;
  g->GdipGetImageEncodersSize(&count, &size);
  std::vector<std::uint8_t> buffer(size);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  g->GdipGetImageEncoders(count, size, encoders);
  for (UINT i = 0; i < count; ++i) {
    if (lstrcmpiW(encoders[i].MimeType, L"image/png") != 0) continue;
    HGlobalStream stream;
    IStream* target = stream.open({}, false);
    if (!target || g->GdipSaveImageToStream(image, target, &encoders[i].Clsid, nullptr) != Gdiplus::Ok) return {};
    return stream.bytes();
  }
  return {};
}

inline std::vector<std::uint8_t> solid_png(int width, int height, std::uint32_t argb) {
  return encode_png(solid_bitmap(width, height, argb).get());
}

}  // namespace skin::testing
