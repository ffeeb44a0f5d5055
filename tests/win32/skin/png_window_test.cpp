#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <memory>

#include "skin/compositor_win.h"
#include "skin/controls/caret_win.h"
#include "skin/live_counts.h"
#include "skin/png_window_win.h"
#include "skin/property_names.h"
#include "skin/property_store_win.h"
#include "skin/skin_layer_win.h"
#include "skin_test_support.h"

namespace skin {
namespace {

using testing::SkinTest;

std::uint32_t centre_pixel(HWND window) {
  const GdipImage picture = compose_window(window);
  const testing::Pixels pixels = testing::read_pixels(picture.get());
  return pixels.at(pixels.width / 2, pixels.height / 2);
}

TEST_F(SkinTest, AttachMakesTheWindowExactlyLayeredWithTheCaretTimer) {
  const testing::TestWindow window = testing::popup(50, 50, 40, 30, WS_EX_TOOLWINDOW | WS_EX_ACCEPTFILES);
  PngWindow skin;
  ASSERT_TRUE(skin.attach(window.get()));
  EXPECT_EQ(skin.get_handle(), window.get());
  EXPECT_TRUE(skin.is_valid());
  EXPECT_EQ(GetWindowLongPtrW(window.get(), GWL_EXSTYLE), WS_EX_LAYERED);
  EXPECT_EQ(read_property(window.get(), prop::kTime), 64);
  EXPECT_TRUE(KillTimer(window.get(), 64)) << "the caret timer was running";
}

TEST_F(SkinTest, SecondAttachStartsNoSecondTimer) {
  const testing::TestWindow window = testing::popup(50, 50, 40, 30);
  PngWindow skin;
  ASSERT_TRUE(skin.attach(window.get()));
  ASSERT_TRUE(KillTimer(window.get(), 64));
  ASSERT_TRUE(skin.attach(window.get()));
  EXPECT_FALSE(KillTimer(window.get(), 64));
}

TEST_F(SkinTest, AttachToADestroyedWindowFailsAndKeepsTheHandle) {
  const testing::TestWindow first = testing::popup(50, 50, 40, 30);
  HWND gone = testing::popup(50, 50, 40, 30).get();  // destroyed at once
  PngWindow skin;
  ASSERT_TRUE(skin.attach(first.get()));
  EXPECT_FALSE(skin.attach(gone));
  EXPECT_EQ(skin.get_handle(), first.get());
  EXPECT_FALSE(PngWindow(gone).is_valid());
}

TEST_F(SkinTest, BackgroundIsRefusedWithoutWindowOrImage) {
  const LiveCounts before = live_counts();
  PngWindow unattached;
  EXPECT_FALSE(unattached.set_back_image(testing::solid_image(2, 2, 0xFFFFFFFF)));
  const testing::TestWindow window = testing::popup(50, 50, 40, 30);
  PngWindow skin;
  ASSERT_TRUE(skin.attach(window.get()));
  EXPECT_FALSE(skin.set_back_image(Image()));
  EXPECT_EQ(read_property(window.get(), prop::kBackImage), 0);
  EXPECT_EQ(live_counts(), before);
}

TEST_F(SkinTest, UndecodableBytesKeepThePicture) {
  const testing::TestWindow window = testing::popup(50, 50, 40, 30);
  PngWindow skin;
  ASSERT_TRUE(skin.attach(window.get()));
  ASSERT_TRUE(skin.load_back_image(testing::solid_png(4, 4, 0xFF123456)));
  EXPECT_FALSE(skin.load_back_image({}));
  const std::vector<std::uint8_t> junk{1, 2, 3};
  EXPECT_FALSE(skin.load_back_image(junk));
  EXPECT_EQ(centre_pixel(window.get()), 0xFF123456u);
}

TEST_F(SkinTest, ReplacedBackgroundsAreReleasedWithTheirMemory) {
  const LiveCounts before = live_counts();
  {
    const testing::TestWindow window = testing::popup(50, 50, 40, 30);
    PngWindow skin;
    ASSERT_TRUE(skin.attach(window.get()));
    const std::vector<std::uint8_t> png = testing::solid_png(8, 8, 0xFF00FF00);
    for (int frame = 0; frame < 28; ++frame) ASSERT_TRUE(skin.load_back_image(png));
    EXPECT_EQ(live_counts().images, before.images + 1);
    EXPECT_EQ(live_counts().streams, before.streams + 1);
    EXPECT_EQ(live_counts().dib_sections, before.dib_sections);
  }
  // The window is gone, and its last background with it.
  EXPECT_EQ(live_counts(), before);
}

// The process's private committed bytes (Wine fills PagefileUsage, which is
// the same figure, but not PrivateUsage).
std::size_t private_bytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

// The splash's case: every frame replaces the last one (each frame decodes to
// about 500 KB), and memory must not grow with the number of frames.
TEST_F(SkinTest, MemoryStaysFlatOverManyBackgrounds) {
  const testing::TestWindow window = testing::popup(50, 50, 495, 354);
  PngWindow skin;
  ASSERT_TRUE(skin.attach(window.get()));
  const std::vector<std::uint8_t> png = testing::solid_png(464, 273, 0xC0FF8000);
  for (int warm_up = 0; warm_up < 20; ++warm_up) ASSERT_TRUE(skin.load_back_image(png));
  const LiveCounts counts = live_counts();
  const std::size_t before = private_bytes();
  ASSERT_GT(before, 0u);
  for (int frame = 0; frame < 300; ++frame) ASSERT_TRUE(skin.load_back_image(png));
  const std::size_t after = private_bytes();
  EXPECT_EQ(live_counts(), counts);
  EXPECT_LT(after, before + 8 * 1024 * 1024) << "grew from " << before << " to " << after;
}

TEST_F(SkinTest, MoveWithOnlyAWidthKeepsPositionAndHeight) {
  const testing::TestWindow window = testing::popup(60, 70, 40, 30);
  PngWindow skin(window.get());
  skin.move(std::nullopt, std::nullopt, 90);
  RECT rect{};
  GetWindowRect(window.get(), &rect);
  EXPECT_EQ(rect.left, 60);
  EXPECT_EQ(rect.top, 70);
  EXPECT_EQ(rect.right - rect.left, 90);
  EXPECT_EQ(rect.bottom - rect.top, 30);
  skin.move(std::nullopt, std::nullopt);
  GetWindowRect(window.get(), &rect);
  EXPECT_EQ(rect.left, 60);
  EXPECT_EQ(rect.top, 70);
  EXPECT_EQ(rect.right - rect.left, 90);
  EXPECT_EQ(rect.bottom - rect.top, 30);
  skin.move(5, 6, 20, 10, true);
  GetWindowRect(window.get(), &rect);
  EXPECT_EQ(rect.left, 5);
  EXPECT_EQ(rect.top, 6);
  EXPECT_EQ(rect.right - rect.left, 20);
  EXPECT_EQ(rect.bottom - rect.top, 10);
}

TEST_F(SkinTest, ApplicationViewDrivesAPngWindow) {
  const LiveCounts before = live_counts();
  SkinLayer layer;
  layer.startup();
  const testing::TestWindow window = testing::popup(50, 50, 40, 30);
  std::unique_ptr<SkinWindow> skin = layer.create_window();
  EXPECT_FALSE(skin->load_back_image(testing::solid_png(2, 2, 0xFF000000))) << "not attached yet";
  ASSERT_TRUE(skin->attach(reinterpret_cast<std::uintptr_t>(window.get())));
  ASSERT_TRUE(skin->load_back_image(testing::solid_png(2, 2, 0xFF336699)));
  // Destroying the object leaves the window as it is.
  skin.reset();
  ASSERT_TRUE(IsWindow(window.get()));
  EXPECT_EQ(GetWindowLongPtrW(window.get(), GWL_EXSTYLE), WS_EX_LAYERED);
  EXPECT_EQ(read_property(window.get(), prop::kTime), 64);
  EXPECT_EQ(centre_pixel(window.get()), 0xFF336699u);
  // The host closes a window after the event that asked for it: shutting the
  // layer down before then still gives the window's image back.
  layer.shutdown();
  EXPECT_EQ(live_counts(), before);
  EXPECT_TRUE(IsWindow(window.get()));
}

}  // namespace
}  // namespace skin
