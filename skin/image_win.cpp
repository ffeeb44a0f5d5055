#include "skin/image_win.h"

#include "skin/skin_startup_win.h"

namespace skin {

Image::Parts Image::release() noexcept {
  Parts parts;
  parts.image = image_.release();
  parts.block = stream_.release_block();
  return parts;
}

Image image_from_bytes(std::span<const std::uint8_t> bytes) {
  const auto* g = gdiplus();
  if (!g) return {};
  HGlobalStream stream;
  IStream* source = stream.open(bytes, true);
  if (!source) return {};
  GpImage* decoded = nullptr;
  if (g->GdipLoadImageFromStream(source, &decoded) != Gdiplus::Ok) return {};
  GdipImage image = created<GdipImage>(decoded);
  // Animated images show their first frame; a still image ignores this.
  g->GdipImageSelectActiveFrame(image.get(), &frame_dimension_time(), 0);
  return Image(std::move(stream), std::move(image));
}

}  // namespace skin
