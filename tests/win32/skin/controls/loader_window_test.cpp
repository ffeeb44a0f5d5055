#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>

#include "skin/controls/loader_window_win.h"
#include "skin/live_counts.h"
#include "skin/property_names.h"
#include "skin/property_store_win.h"
#include "skin/skin_startup_win.h"
#include "skin/skin_test_support.h"

namespace skin {
namespace {

using testing::SkinTest;

HWND loader_window() {
  return CreateWindowExW(0, kLoaderClassName, L"loader", WS_POPUP | WS_VISIBLE, 100, 100, 80, 60, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

TEST_F(SkinTest, LoaderWindowWithoutPropertiesIsSimplyDestroyed) {
  const LiveCounts before = live_counts();
  HWND loader = loader_window();
  ASSERT_NE(loader, nullptr);
  EXPECT_TRUE(DestroyWindow(loader));
  EXPECT_EQ(live_counts(), before);
}

TEST_F(SkinTest, LoaderWindowStopsItsWorkerThenReleasesItsImage) {
  const LiveCounts before = live_counts();
  HWND loader = loader_window();
  ASSERT_TRUE(hold_loader_image(loader, image_from_bytes(testing::solid_png(6, 6, 0xFF00FF00))));
  EXPECT_FALSE(hold_loader_image(loader, image_from_bytes(testing::solid_png(6, 6, 0xFF00FF00))))
      << "one image per window";
  EXPECT_NE(read_property(loader, prop::kImage), 0);
  EXPECT_NE(read_property(loader, prop::kStream), 0);

  std::atomic<bool> running{false};
  std::atomic<bool> saw_stop{false};
  GpImage* image = reinterpret_cast<GpImage*>(read_property(loader, prop::kImage));
  ASSERT_TRUE(start_loader_worker(loader, [&, image](HANDLE stop) {
    running = true;
    // Works with the window's image until asked to stop.
    while (WaitForSingleObject(stop, 1) == WAIT_TIMEOUT) {
      UINT width = 0;
      gdiplus()->GdipGetImageWidth(image, &width);
    }
    saw_stop = true;
  }));
  EXPECT_FALSE(start_loader_worker(loader, [](HANDLE) {})) << "one worker per window";
  ASSERT_TRUE(testing::poll_until([&] { return running.load(); }));

  HANDLE thread = nullptr;
  ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), reinterpret_cast<HANDLE>(read_property(loader, prop::kThread)),
                              GetCurrentProcess(), &thread, SYNCHRONIZE, FALSE, 0));
  EXPECT_TRUE(DestroyWindow(loader));
  EXPECT_TRUE(saw_stop) << "the worker saw the stop event before the window went";
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0) << "and it has ended";
  CloseHandle(thread);
  EXPECT_EQ(live_counts(), before);
}

// Records the drag request that a press turns into, without starting the
// system's move loop.
int caption_presses = 0;

LRESULT CALLBACK record_caption_press(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                      DWORD_PTR) {
  if (message == WM_NCLBUTTONDOWN && wparam == HTCAPTION) {
    ++caption_presses;
    return 0;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

TEST_F(SkinTest, OnlyHitMoveOneDragsTheLoaderWindow) {
  for (const int hit_move : {0, 1, 2, -1}) {
    SCOPED_TRACE(hit_move);
    const testing::TestWindow loader(loader_window());
    SetWindowSubclass(loader.get(), record_caption_press, 1, 0);
    set_hit_move(loader.get(), hit_move);
    caption_presses = 0;
    SendMessageW(loader.get(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 30));
    EXPECT_EQ(caption_presses, hit_move == 1 ? 1 : 0);
    RemoveWindowSubclass(loader.get(), record_caption_press, 1);
  }
}

}  // namespace
}  // namespace skin
