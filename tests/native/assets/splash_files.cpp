#include "assets/splash_files.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace splash_test {
namespace {

std::uint32_t big_endian_u32(const unsigned char* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

}  // namespace

std::filesystem::path committed_folder() { return VERBROOK_SPLASH_DIR; }

std::filesystem::path frame_name(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "frame-%02d.png", number);
  return name;
}

std::vector<unsigned char> read_bytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::optional<PngHeader> read_header(std::span<const unsigned char> png) {
  static constexpr unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 33 || std::memcmp(png.data(), signature, 8) != 0) return std::nullopt;
  if (big_endian_u32(png.data() + 8) != 13 || std::memcmp(png.data() + 12, "IHDR", 4) != 0) return std::nullopt;
  return PngHeader{big_endian_u32(png.data() + 16), big_endian_u32(png.data() + 20), png[24], png[25], png[28]};
}

std::optional<std::vector<std::uint8_t>> decode_rgba(std::span<const unsigned char> png) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return std::nullopt;
  image.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  return pixels;
}

}  // namespace splash_test
