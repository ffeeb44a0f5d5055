// Reading the splash frames in tests: the committed files, their PNG header
// and their pixels decoded by libpng.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace splash_test {

inline constexpr int frame_count = 28;
inline constexpr int frame_width = 464;
inline constexpr int frame_height = 273;

std::filesystem::path committed_folder();

// "frame-01.png" ... "frame-28.png"
std::filesystem::path frame_name(int number);

std::vector<unsigned char> read_bytes(const std::filesystem::path& path);

// The fields of the IHDR chunk, which a valid PNG has first.
struct PngHeader {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int bit_depth = 0;
  int colour_type = 0;
  int interlace = 0;
};

std::optional<PngHeader> read_header(std::span<const unsigned char> png);

// Straight 8-bit RGBA rows; nothing when libpng cannot decode the file.
std::optional<std::vector<std::uint8_t>> decode_rgba(std::span<const unsigned char> png);

}  // namespace splash_test
