#include "skin/stretch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <vector>

#include "skin/colour.h"

namespace skin {
namespace {

// Weights are in 1/256: source index `first` weighs 256 - weight, `first + 1`
// (or `first` again at the edge) weighs `weight`.
struct Tap {
  int first = 0;
  int second = 0;
  std::uint32_t weight = 0;
};

std::vector<Tap> taps(int from_size, int to_size) {
  std::vector<Tap> result(static_cast<std::size_t>(to_size));
  const double scale = static_cast<double>(from_size) / to_size;
  for (int i = 0; i < to_size; ++i) {
    const double centre = std::clamp((i + 0.5) * scale - 0.5, 0.0, static_cast<double>(from_size - 1));
    Tap& tap = result[static_cast<std::size_t>(i)];
    tap.first = static_cast<int>(centre);
    tap.second = std::min(tap.first + 1, from_size - 1);
    tap.weight = static_cast<std::uint32_t>(std::lround((centre - tap.first) * 256));
  }
  return result;
}

// Blends two premultiplied pixels, two 8-bit channels at a time in 16-bit lanes.
std::uint32_t blend(std::uint32_t a, std::uint32_t b, std::uint32_t weight) {
  constexpr std::uint32_t kLanes = 0x00FF00FF;
  const std::uint32_t keep = 256 - weight;
  const std::uint32_t red_blue = (((a & kLanes) * keep + (b & kLanes) * weight) >> 8) & kLanes;
  const std::uint32_t alpha_green = ((((a >> 8) & kLanes) * keep + ((b >> 8) & kLanes) * weight) >> 8) & kLanes;
  return alpha_green << 8 | red_blue;
}

// 65536 * 255 / alpha, for dividing the colours by alpha again.
const std::array<std::uint32_t, 256>& unpremultiply_factors() {
  static const std::array<std::uint32_t, 256> factors = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t alpha = 1; alpha < 256; ++alpha) table[alpha] = (255u * 65536 + alpha / 2) / alpha;
    return table;
  }();
  return factors;
}

std::uint32_t unpremultiply(std::uint32_t pixel) {
  const std::uint32_t alpha = pixel >> 24;
  if (alpha == 255 || alpha == 0) return alpha == 0 ? 0 : pixel;
  const std::uint32_t factor = unpremultiply_factors()[alpha];
  const auto channel = [&](int shift) {
    return std::min<std::uint32_t>(255, (((pixel >> shift) & 0xFF) * factor + 32768) >> 16) << shift;
  };
  return alpha << 24 | channel(16) | channel(8) | channel(0);
}

// One source row premultiplied and stretched to the target's width.
void stretch_row(const std::uint32_t* from, int from_width, const std::vector<Tap>& columns,
                 std::vector<std::uint32_t>& premultiplied, std::vector<std::uint32_t>& to) {
  premultiply({from, static_cast<std::size_t>(from_width)}, premultiplied);
  for (std::size_t x = 0; x < columns.size(); ++x) {
    const std::uint32_t left = premultiplied[static_cast<std::size_t>(columns[x].first)];
    const std::uint32_t right = premultiplied[static_cast<std::size_t>(columns[x].second)];
    to[x] = (left | right) == 0 ? 0 : blend(left, right, columns[x].weight);
  }
}

}  // namespace

void stretch_bilinear(const ConstPixelRows& from, const PixelRows& to) {
  if (from.width <= 0 || from.height <= 0 || to.width <= 0 || to.height <= 0) return;
  const std::vector<Tap> columns = taps(from.width, to.width);
  const std::vector<Tap> rows = taps(from.height, to.height);
  // Each source row is stretched across once and kept while target rows use
  // it; the two kept rows are then blended down.
  std::vector<std::uint32_t> premultiplied(static_cast<std::size_t>(from.width));
  std::vector<std::uint32_t> upper(static_cast<std::size_t>(to.width));
  std::vector<std::uint32_t> lower(static_cast<std::size_t>(to.width));
  int upper_row = -1;
  int lower_row = -1;
  for (int y = 0; y < to.height; ++y) {
    const Tap& row = rows[static_cast<std::size_t>(y)];
    if (row.first == lower_row) {
      std::swap(upper, lower);
      std::swap(upper_row, lower_row);
    }
    if (row.first != upper_row) {
      stretch_row(from.first_row + row.first * from.stride, from.width, columns, premultiplied, upper);
      upper_row = row.first;
    }
    if (row.second != lower_row) {
      stretch_row(from.first_row + row.second * from.stride, from.width, columns, premultiplied, lower);
      lower_row = row.second;
    }
    std::uint32_t* target = to.first_row + y * to.stride;
    for (std::size_t x = 0; x < upper.size(); ++x) {
      const std::uint32_t top = upper[x];
      const std::uint32_t bottom = lower[x];
      target[x] = (top | bottom) == 0 ? 0 : unpremultiply(blend(top, bottom, row.weight));
    }
  }
}

}  // namespace skin
