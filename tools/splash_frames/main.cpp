// Renders the splash animation and writes it as frame-01.png ... frame-28.png
// into the folder given on the command line (the project keeps them in
// assets/splash).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "frames.h"
#include "png_encode.h"
#include "view.h"

namespace {

constexpr std::uint64_t particle_seed = 0x7E11'0F1A'3E00'1001ull;

bool write_file(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "cannot create %s: %s\n", folder.c_str(), error.message().c_str());
    return 1;
  }

  const splash::Particles particles(particle_seed);
  std::size_t total = 0;
  for (int number = 1; number <= splash::frame_count; ++number) {
    const std::vector<std::uint8_t> rgba = splash::render_frame(particles, number);
    std::vector<unsigned char> png;
    if (!splash::encode_png(rgba, splash::frame_width, splash::frame_height, png)) {
      std::fprintf(stderr, "libpng failed on frame %d\n", number);
      return 1;
    }
    char name[32];
    std::snprintf(name, sizeof name, "frame-%02d.png", number);
    if (!write_file(folder / name, png)) {
      std::fprintf(stderr, "cannot write %s\n", (folder / name).c_str());
      return 1;
    }
    total += png.size();
  }
  std::printf("%d frames, %zu bytes in %s\n", splash::frame_count, total, folder.c_str());
  return 0;
}
