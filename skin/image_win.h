// A decoded GDI+ image together with the memory stream it was decoded from:
// GDI+ may read the stream lazily, so the two live and die together.
#pragma once

#include <cstdint>
#include <span>

#include "skin/gdiplus_handles_win.h"
#include "skin/hglobal_stream_win.h"

namespace skin {

class Image {
 public:
  Image() = default;
  // An image made in memory, with no stream behind it.
  explicit Image(GdipImage image) noexcept : image_(std::move(image)) {}
  Image(HGlobalStream stream, GdipImage image) noexcept : stream_(std::move(stream)), image_(std::move(image)) {}

  GpImage* get() const noexcept { return image_.get(); }
  explicit operator bool() const noexcept { return static_cast<bool>(image_); }

  // Hands the image and its memory block to a new owner (a loader window),
  // which disposes of the image before it frees the block.
  struct Parts {
    GpImage* image = nullptr;
    HGLOBAL block = nullptr;
  };
  [[nodiscard]] Parts release() noexcept;

 private:
  // Declared first so that it is destroyed after the image.
  HGlobalStream stream_;
  GdipImage image_;
};

// Decodes PNG, GIF (its first frame), JPEG, BMP, ... bytes held in memory; an
// empty Image when they do not decode.
Image image_from_bytes(std::span<const std::uint8_t> bytes);

}  // namespace skin
