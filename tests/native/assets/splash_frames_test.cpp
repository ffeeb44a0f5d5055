// The committed splash frames: their format, the shape of the animation, and
// that the generator still produces exactly these files.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "assets/splash_files.h"

namespace splash_test {
namespace {

namespace fs = std::filesystem;

struct Pixel {
  std::uint8_t r, g, b, a;
};

class Frame {
 public:
  explicit Frame(std::vector<std::uint8_t> rgba) : rgba_(std::move(rgba)) {}

  Pixel at(int x, int y) const {
    const std::uint8_t* p = &rgba_[(static_cast<std::size_t>(y) * frame_width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
  }

  long alpha_mass() const {
    long sum = 0;
    for (std::size_t i = 3; i < rgba_.size(); i += 4) sum += rgba_[i];
    return sum;
  }

  template <typename Visit>
  void for_each(Visit visit) const {
    for (int y = 0; y < frame_height; ++y)
      for (int x = 0; x < frame_width; ++x) visit(at(x, y));
  }

 private:
  std::vector<std::uint8_t> rgba_;
};

// Every committed frame that decodes, decoded once for the whole program.
const std::vector<Frame>& committed_frames() {
  static const std::vector<Frame> frames = [] {
    std::vector<Frame> decoded;
    for (int n = 1; n <= frame_count; ++n) {
      auto rgba = decode_rgba(read_bytes(committed_folder() / frame_name(n)));
      if (rgba && rgba->size() == std::size_t{frame_width} * frame_height * 4) decoded.emplace_back(std::move(*rgba));
    }
    return decoded;
  }();
  return frames;
}

class SplashFrames : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(committed_frames().size(), std::size_t{frame_count}) << "a frame does not decode"; }

  static const Frame& frame(int number) { return committed_frames()[number - 1]; }
};

TEST(SplashFrameFiles, TwentyEightNumberedFiles) {
  int found = 0;
  for (const auto& entry : fs::directory_iterator(committed_folder())) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("frame-") && name.ends_with(".png")) ++found;
  }
  EXPECT_EQ(found, frame_count);
  for (int n = 1; n <= frame_count; ++n) EXPECT_TRUE(fs::is_regular_file(committed_folder() / frame_name(n))) << n;
}

TEST(SplashFrameFiles, EachIsAn8BitRgbaPngOfTheFrameSize) {
  for (int n = 1; n <= frame_count; ++n) {
    SCOPED_TRACE(frame_name(n).string());
    const auto header = read_header(read_bytes(committed_folder() / frame_name(n)));
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->width, std::uint32_t{frame_width});
    EXPECT_EQ(header->height, std::uint32_t{frame_height});
    EXPECT_EQ(header->bit_depth, 8);
    EXPECT_EQ(header->colour_type, 6);
    EXPECT_EQ(header->interlace, 0);
  }
}

// Only the burst may show over the desktop: the whole outer ring of every
// frame, corners included, is fully transparent.
TEST_F(SplashFrames, BordersAreFullyTransparent) {
  for (int n = 1; n <= frame_count; ++n) {
    const Frame& f = frame(n);
    for (int x = 0; x < frame_width; ++x) {
      ASSERT_EQ(f.at(x, 0).a, 0) << "frame " << n << " top, x " << x;
      ASSERT_EQ(f.at(x, frame_height - 1).a, 0) << "frame " << n << " bottom, x " << x;
    }
    for (int y = 0; y < frame_height; ++y) {
      ASSERT_EQ(f.at(0, y).a, 0) << "frame " << n << " left, y " << y;
      ASSERT_EQ(f.at(frame_width - 1, y).a, 0) << "frame " << n << " right, y " << y;
    }
  }
}

// The visible amount rises from a small flash to a peak about halfway and
// falls to scattered embers, which are still there on the last frame.
TEST_F(SplashFrames, BurstGrowsToAPeakHalfwayThenFades) {
  std::array<long, frame_count> mass{};
  for (int n = 1; n <= frame_count; ++n) mass[n - 1] = frame(n).alpha_mass();
  const auto peak = std::max_element(mass.begin(), mass.end());
  const int peak_frame = static_cast<int>(peak - mass.begin()) + 1;
  EXPECT_GE(peak_frame, 10);
  EXPECT_LE(peak_frame, 17);
  EXPECT_TRUE(std::is_sorted(mass.begin(), peak + 1)) << "grows without a dip";
  EXPECT_TRUE(std::is_sorted(peak, mass.end(), std::greater<>())) << "fades without flaring up again";
  EXPECT_GT(mass.front(), 0);
  EXPECT_LT(mass.front(), *peak / 4);
  EXPECT_GT(mass.back(), 0);
  EXPECT_LT(mass.back(), *peak / 4);
}

// A white-hot flash at the start; only red-orange embers at the end.
TEST_F(SplashFrames, FlashIsWhiteAndEmbersAreOrange) {
  const auto white_hot = [](Pixel p) { return p.a == 255 && p.r >= 250 && p.g >= 240 && p.b >= 200; };
  int white_first = 0, white_last = 0;
  frame(1).for_each([&](Pixel p) { white_first += white_hot(p); });
  frame(frame_count).for_each([&](Pixel p) { white_last += white_hot(p); });
  EXPECT_GT(white_first, 100);
  EXPECT_EQ(white_last, 0);
}

// Straight alpha: where a soft edge fades out, the colour itself stays a
// bright warm fire colour, so that no dark rim shows over a light desktop.
TEST_F(SplashFrames, SoftEdgesKeepABrightWarmColour) {
  for (int n = 1; n <= frame_count; ++n) {
    int dark = 0, soft = 0;
    frame(n).for_each([&](Pixel p) {
      if (p.a == 0 || p.a == 255) return;
      ++soft;
      if (p.r < 200 || p.g > p.r || p.b > p.g) ++dark;
    });
    EXPECT_GT(soft, 0) << "frame " << n;
    EXPECT_EQ(dark, 0) << "frame " << n;
  }
}

class TemporaryFolder {
 public:
  TemporaryFolder()
      : path_(fs::temp_directory_path() / ("verbrook-splash-" + std::to_string(::getpid()))) {
    fs::remove_all(path_);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// The committed frames are exactly what the generator makes, so the two
// cannot drift apart. The pixels are compared first: a byte difference with
// equal pixels points at a different zlib, not at a changed generator.
TEST(SplashFrameFiles, GeneratorReproducesTheCommittedFiles) {
  const TemporaryFolder folder;
  const std::string command =
      std::string("'") + VERBROOK_SPLASH_GENERATOR + "' '" + folder.path().string() + "' >/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  int files = 0;
  for (const auto& entry : fs::directory_iterator(folder.path())) files += entry.is_regular_file();
  EXPECT_EQ(files, frame_count);

  for (int n = 1; n <= frame_count; ++n) {
    SCOPED_TRACE(frame_name(n).string());
    const auto committed = read_bytes(committed_folder() / frame_name(n));
    const auto generated = read_bytes(folder.path() / frame_name(n));
    ASSERT_FALSE(generated.empty());
    EXPECT_EQ(decode_rgba(generated), decode_rgba(committed)) << "pixels differ: regenerate the frames";
    EXPECT_TRUE(generated == committed) << "same pixels, different bytes";
  }
}

}  // namespace
}  // namespace splash_test
