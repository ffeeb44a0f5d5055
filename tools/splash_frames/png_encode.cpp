#include "png_encode.h"

#include <png.h>

#include <csetjmp>
#include <cstddef>

namespace splash {
namespace {

class WriteStruct {
 public:
  WriteStruct() : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)) {
    if (png_) info_ = png_create_info_struct(png_);
  }
  ~WriteStruct() { png_destroy_write_struct(&png_, &info_); }
  WriteStruct(const WriteStruct&) = delete;
  WriteStruct& operator=(const WriteStruct&) = delete;

  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

void append_bytes(png_structp png, png_bytep data, std::size_t length) {
  auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void no_flush(png_structp) {}

}  // namespace

// libpng reports errors by longjmp back to the setjmp below; nothing with a
// destructor is created between the two, so skipping frames is safe.
bool encode_png(std::span<const std::uint8_t> rgba, int width, int height, std::vector<unsigned char>& out) {
  const WriteStruct writer;
  if (!writer.png() || !writer.info()) return false;
  if (setjmp(png_jmpbuf(writer.png()))) return false;

  png_set_write_fn(writer.png(), &out, append_bytes, no_flush);
  png_set_IHDR(writer.png(), writer.info(), static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(writer.png(), 9);
  png_set_compression_mem_level(writer.png(), 9);
  png_set_filter(writer.png(), PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
  png_write_info(writer.png(), writer.info());
  const std::size_t stride = static_cast<std::size_t>(width) * 4;
  for (int row = 0; row < height; ++row) png_write_row(writer.png(), rgba.data() + row * stride);
  png_write_end(writer.png(), nullptr);
  return true;
}

}  // namespace splash
