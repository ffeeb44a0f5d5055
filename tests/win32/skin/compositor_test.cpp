#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/colour.h"
#include "skin/compositor_win.h"
#include "skin/controls/caret_win.h"
#include "skin/controls/child_marks_win.h"
#include "skin/live_counts.h"
#include "skin/png_window_win.h"
#include "skin_test_support.h"

namespace skin {
namespace {

using testing::Pixels;
using testing::SkinTest;

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::int32_t kRedColorref = 0x000000FF;

Pixels composed(HWND window) {
  const GdipImage picture = compose_window(window);
  EXPECT_TRUE(picture);
  return testing::read_pixels(picture.get());
}

// True when every pixel outside the rectangle is fully transparent.
bool transparent_outside(const Pixels& pixels, const RECT& inside) {
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      const bool in = x >= inside.left && x < inside.right && y >= inside.top && y < inside.bottom;
      if (!in && testing::alpha_of(pixels.at(x, y)) != 0) return false;
    }
  }
  return true;
}

class Compositor : public SkinTest {
 protected:
  void SetUp() override {
    SkinTest::SetUp();
    window_ = testing::popup(100, 100, 200, 120);
    ASSERT_TRUE(skin_.attach(window_.get()));
  }
  HWND panel(int x, int y, int width, int height, const wchar_t* text = L"") {
    HWND child = testing::child(window_.get(), L"STATIC", x, y, width, height, 0, text);
    set_child_type(child, ChildType::TextPanel);
    set_back_colour(child, kNoColour, 0);
    set_border_colour(child, kNoColour, 0);
    return child;
  }
  testing::TestWindow window_;
  PngWindow skin_;
};

TEST_F(Compositor, PictureHasTheWindowsOuterSizeAndIsEmptyWithoutBackground) {
  const Pixels pixels = composed(window_.get());
  EXPECT_EQ(pixels.width, 200);
  EXPECT_EQ(pixels.height, 120);
  EXPECT_TRUE(transparent_outside(pixels, RECT{}));
}

TEST_F(Compositor, BackgroundIsStretchedToTheOuterSize) {
  // 20 x 12 in four quadrants of 10 x 6, drawn 10 times larger.
  ASSERT_TRUE(skin_.set_back_image(Image(testing::make_bitmap(20, 12, [](int x, int y) {
    return x < 10 ? (y < 6 ? kRed : kGreen) : (y < 6 ? kBlue : kWhite);
  }))));
  const Pixels pixels = composed(window_.get());
  EXPECT_EQ(pixels.at(50, 30), kRed);
  EXPECT_EQ(pixels.at(50, 90), kGreen);
  EXPECT_EQ(pixels.at(150, 30), kBlue);
  EXPECT_EQ(pixels.at(150, 90), kWhite);
  EXPECT_EQ(pixels.at(85, 45), kRed) << "the quadrants meet at the centre";
  EXPECT_EQ(pixels.at(115, 75), kWhite);
  EXPECT_GT(testing::alpha_of(pixels.at(199, 119)), 0u) << "it reaches the far corner";
}

TEST_F(Compositor, LargerThanTheWindowIsShrunk) {
  ASSERT_TRUE(skin_.set_back_image(Image(testing::make_bitmap(400, 240, [](int x, int) {
    return x < 200 ? kRed : kBlue;
  }))));
  const Pixels pixels = composed(window_.get());
  EXPECT_EQ(pixels.at(2, 2), kRed);
  EXPECT_EQ(pixels.at(98, 60), kRed);
  EXPECT_EQ(pixels.at(102, 60), kBlue);
  EXPECT_EQ(pixels.at(197, 117), kBlue);
}

TEST_F(Compositor, WithoutBackgroundOnlyTheSkinnedChildrenShow) {
  HWND fill = panel(20, 30, 40, 20);
  set_back_colour(fill, kRedColorref, 255);
  testing::child(window_.get(), L"STATIC", 100, 30, 40, 20, 0, L"not skinned");
  const Pixels pixels = composed(window_.get());
  EXPECT_EQ(pixels.at(20, 30), kRed);
  EXPECT_EQ(pixels.at(59, 49), kRed);
  EXPECT_TRUE(transparent_outside(pixels, RECT{20, 30, 60, 50}));
}

TEST_F(Compositor, NaturalSizeLargerThanTheControlIsCutAndThePanelGetsNoBorderOrText) {
  HWND cut = panel(30, 20, 40, 30, L"WWWW");
  set_border_colour(cut, kRedColorref, 255);
  set_text_colour(cut, kRedColorref);
  SendMessageW(cut, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  // 80 x 60: green where the control shows it, blue beyond.
  ASSERT_TRUE(set_child_image(cut, ImageSlot::Back, Image(testing::make_bitmap(80, 60, [](int x, int y) {
    return x < 40 && y < 30 ? kGreen : kBlue;
  }))));
  const Pixels pixels = composed(window_.get());
  for (int y = 20; y < 50; ++y) {
    for (int x = 30; x < 70; ++x) ASSERT_EQ(pixels.at(x, y), kGreen) << x << "," << y;
  }
  EXPECT_TRUE(transparent_outside(pixels, RECT{30, 20, 70, 50}));
}

TEST_F(Compositor, NaturalSizeThatFitsGetsTheBorder) {
  HWND framed = panel(30, 20, 40, 30);
  set_border_colour(framed, kRedColorref, 255);
  ASSERT_TRUE(set_child_image(framed, ImageSlot::Back, testing::solid_image(10, 10, kGreen)));
  const Pixels pixels = composed(window_.get());
  EXPECT_EQ(pixels.at(35, 25), kGreen);
  EXPECT_EQ(pixels.at(45, 25), 0u) << "natural size, not stretched";
  EXPECT_EQ(pixels.at(50, 20), kRed) << "top edge";
  EXPECT_EQ(pixels.at(30, 35), kRed) << "left edge";
}

TEST_F(Compositor, FitInsideCentresA200By100ImageIn50By50) {
  HWND image_control = testing::child(window_.get(), L"STATIC", 40, 30, 50, 50);
  set_child_type(image_control, ChildType::ImageControl);
  set_placement(image_control, Placement::Fit);
  ASSERT_TRUE(set_child_image(image_control, ImageSlot::Back, testing::solid_image(200, 100, kBlue)));
  const Pixels pixels = composed(window_.get());
  // Drawn 50 x 25 at (40, 30 + 12).
  EXPECT_EQ(testing::alpha_of(pixels.at(65, 40)), 0u);
  EXPECT_EQ(pixels.at(65, 43), kBlue);
  EXPECT_EQ(pixels.at(41, 55), kBlue);
  EXPECT_EQ(pixels.at(88, 65), kBlue);
  EXPECT_EQ(testing::alpha_of(pixels.at(65, 68)), 0u);
  EXPECT_TRUE(transparent_outside(pixels, RECT{40, 42, 90, 67}));
}

TEST_F(Compositor, StretchFillsTheControl) {
  HWND image_control = testing::child(window_.get(), L"STATIC", 40, 30, 50, 50);
  set_child_type(image_control, ChildType::ImageControl);
  set_placement(image_control, Placement::Stretch);
  ASSERT_TRUE(set_child_image(image_control, ImageSlot::Back, testing::solid_image(200, 100, kBlue)));
  const Pixels pixels = composed(window_.get());
  EXPECT_EQ(pixels.at(45, 35), kBlue);
  EXPECT_EQ(pixels.at(85, 75), kBlue);
}

TEST_F(Compositor, BackColourMinusOneFillsNothingAndZeroIsBlackAtTheAlpha) {
  HWND none = panel(10, 10, 30, 30);
  set_back_colour(none, kNoColour, 255);
  HWND black = panel(60, 10, 30, 30);
  set_back_colour(black, 0, 128);
  const Pixels pixels = composed(window_.get());
  EXPECT_EQ(pixels.at(25, 25), 0u);
  EXPECT_EQ(pixels.at(75, 25), 0x80000000u);
  EXPECT_TRUE(transparent_outside(pixels, RECT{60, 10, 90, 40}));
}

TEST_F(Compositor, UnsetColoursAreBlackAndInvisible) {
  HWND unset = testing::child(window_.get(), L"STATIC", 10, 10, 30, 30);
  set_child_type(unset, ChildType::TextPanel);
  EXPECT_TRUE(transparent_outside(composed(window_.get()), RECT{}));
}

TEST_F(Compositor, LongTextIsCutNotWrappedAndCentredVertically) {
  HWND long_text = panel(20, 10, 60, 80, std::wstring(300, L'W').c_str());
  set_text_colour(long_text, kRedColorref);
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"DejaVu Sans");
  ASSERT_NE(font, nullptr);
  SendMessageW(long_text, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const Pixels pixels = composed(window_.get());
  DeleteObject(font);
  int top = pixels.height;
  int bottom = -1;
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      if (testing::alpha_of(pixels.at(x, y)) == 0) continue;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  ASSERT_GE(bottom, top) << "no text drawn";
  EXPECT_LT(bottom - top, 20) << "one line only";
  // The panel's middle row (y 50) lies within the line, near its middle.
  EXPECT_LE(top, 50);
  EXPECT_GE(bottom, 50);
  EXPECT_NEAR((top + bottom) / 2.0, 50, 4);
  EXPECT_TRUE(transparent_outside(pixels, RECT{22, 12, 78, 88})) << "cut at the layout rectangle";
}

TEST_F(Compositor, PanelWithoutFontShowsNoText) {
  panel(20, 10, 60, 40, L"text");
  EXPECT_TRUE(transparent_outside(composed(window_.get()), RECT{}));
}

TEST_F(Compositor, ChildrenLowerInTheZOrderPaintOver) {
  // Created first = top of the Z order = painted first.
  HWND first = panel(10, 10, 40, 40);
  set_back_colour(first, kRedColorref, 255);
  HWND second = panel(30, 10, 40, 40);
  set_back_colour(second, 0x00FF0000, 255);  // blue
  const Pixels pixels = composed(window_.get());
  EXPECT_EQ(pixels.at(20, 20), kRed);
  EXPECT_EQ(pixels.at(40, 20), kBlue);
}

TEST_F(Compositor, GrandchildrenAreNotDrawn) {
  HWND holder = testing::child(window_.get(), L"STATIC", 10, 10, 80, 80);
  HWND grandchild = testing::child(holder, L"STATIC", 0, 0, 30, 30);
  set_child_type(grandchild, ChildType::TextPanel);
  set_back_colour(grandchild, kRedColorref, 255);
  EXPECT_TRUE(transparent_outside(composed(window_.get()), RECT{}));
}

TEST_F(Compositor, PresentingGivesBackItsSurfaces) {
  const LiveCounts before = live_counts();
  ASSERT_TRUE(skin_.set_back_image(testing::solid_image(4, 4, kGreen)));
  compose_and_present(window_.get());
  present_layered(window_.get(), nullptr, false);
  present_layered(nullptr, nullptr, false);
  EXPECT_EQ(live_counts().dib_sections, before.dib_sections);
  EXPECT_EQ(live_counts().images, before.images + 1) << "only the background is held";
}

}  // namespace
}  // namespace skin

namespace skin {
namespace {

class Presentation : public testing::SkinTest {};

std::uint32_t surface_pixel(const PresentationSurface& surface, int x, int y) {
  return surface.bits()[static_cast<std::size_t>(surface.size().cy - 1 - y) * surface.size().cx + x];
}

TEST_F(Presentation, SurfaceHoldsThePicturePremultipliedBottomUp) {
  const testing::TestWindow window = testing::popup(10, 10, 40, 30);
  const GdipImage picture = testing::make_bitmap(40, 30, [](int, int y) {
    return y < 10 ? 0xFFFF0000u : y < 20 ? 0x80FF0000u : 0u;
  });
  const PresentationSurface surface(window.get(), picture.get(), false);
  ASSERT_TRUE(surface);
  EXPECT_EQ(surface.size().cx, 40);
  EXPECT_EQ(surface.size().cy, 30);
  EXPECT_EQ(surface_pixel(surface, 5, 5), 0xFFFF0000u);
  EXPECT_EQ(surface_pixel(surface, 5, 15), 0x80800000u);
  EXPECT_EQ(surface_pixel(surface, 5, 25), 0u);
}

TEST_F(Presentation, SmallerPictureLeavesTheRestTransparent) {
  const testing::TestWindow window = testing::popup(10, 10, 40, 30);
  const GdipImage picture = testing::solid_bitmap(20, 10, 0xFF00FF00);
  const PresentationSurface surface(window.get(), picture.get(), false);
  ASSERT_TRUE(surface);
  EXPECT_EQ(surface_pixel(surface, 19, 9), 0xFF00FF00u);
  EXPECT_EQ(surface_pixel(surface, 20, 9), 0u);
  EXPECT_EQ(surface_pixel(surface, 19, 10), 0u);
}

TEST_F(Presentation, CaretLineIsDrawnOnTheSurfaceOnly) {
  const testing::TestWindow window = testing::popup(10, 10, 40, 30);
  PngWindow skin;
  ASSERT_TRUE(skin.attach(window.get()));
  HWND panel = testing::child(window.get(), L"STATIC", 10, 5, 20, 20);
  ASSERT_TRUE(SetCaretPos(3, 0));
  caret_state().child = panel;
  const GdipImage picture = testing::solid_bitmap(40, 30, 0);
  {
    // Line at x = 10 + 3 + 5, from y = 5 + (20 - 12) / 2 down 12 pixels.
    const PresentationSurface with_caret(window.get(), picture.get(), true);
    ASSERT_TRUE(with_caret);
    EXPECT_EQ(surface_pixel(with_caret, 18, 10), 0xFF000000u);
    EXPECT_EQ(surface_pixel(with_caret, 18, 20), 0xFF000000u);
    EXPECT_EQ(surface_pixel(with_caret, 18, 3), 0u);
    EXPECT_EQ(surface_pixel(with_caret, 16, 15), 0u);
    EXPECT_EQ(surface_pixel(with_caret, 20, 15), 0u);
  }
  const PresentationSurface without(window.get(), picture.get(), false);
  EXPECT_EQ(surface_pixel(without, 18, 15), 0u);
  caret_state().child = nullptr;
}

}  // namespace
}  // namespace skin
