// Verbrook as a writer starts and ends it: the splash, the main window that
// takes over, Esc during the splash, the confirmed exit.
#include <gtest/gtest.h>

#include "driver/screenshot.h"
#include "verbrook.h"

namespace {

using namespace e2e;

bool is_centred(const Window& window) {
  const POINT centred = verbrook::centred_position(window.size());
  return window.rect().left == centred.x && window.rect().top == centred.y;
}

bool main_window_shows(const App& app) {
  for (const Window& window : app.windows())
    if (window.visible() && window.has_menu()) return true;
  return false;
}

// A black area of the test's own behind the splash, while it lives. Nothing
// composites windows on this display: the splash's partly transparent
// pixels are drawn over black and the fully transparent ones are cut away,
// so over black the splash looks as it does on a dark desktop.
class BlackBackdrop {
 public:
  explicit BlackBackdrop(RECT area) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = L"VerbrookE2eBackdrop";
    RegisterClassW(&window_class);
    window_ = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, window_class.lpszClassName, L"", WS_POPUP,
                              area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                              window_class.hInstance, nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    poll("the backdrop to be drawn", 0, [&] {
      paint();
      return ScreenPicture::take(area).is_all(RGB(0, 0, 0));
    });
  }
  ~BlackBackdrop() { DestroyWindow(window_); }
  BlackBackdrop(const BlackBackdrop&) = delete;
  BlackBackdrop& operator=(const BlackBackdrop&) = delete;

  // Draws what the splash uncovered since the last call.
  void paint() const {
    MSG message;
    while (PeekMessageW(&message, window_, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }

 private:
  HWND window_;
};

TEST(Startup, SplashWindowIsCentredLayeredAndOffTheTaskbar) {
  const Folder folder = Folder::fresh();
  const App app = verbrook::start(folder);
  const Window startup = app.wait_window("the startup window", verbrook::is_startup_window);
  EXPECT_TRUE(is_centred(startup));
  EXPECT_TRUE(startup.ex_style() & WS_EX_LAYERED);
  ASSERT_TRUE(startup.owner());
  EXPECT_FALSE(startup.owner()->visible());
}

// The frames themselves (28, in stored order, one per tick) are checked
// inside the program's own process by the application's Windows tests; from
// outside, the splash is a picture that keeps changing until the main window
// takes over, and never shows an earlier picture again.
TEST(Startup, SplashPictureChangesUntilTheMainWindowTakesOver) {
  const POINT corner = verbrook::centred_position(verbrook::kStartupWindowSize);
  const RECT area{corner.x, corner.y, corner.x + verbrook::kStartupWindowSize.cx,
                  corner.y + verbrook::kStartupWindowSize.cy};
  const BlackBackdrop backdrop(area);
  const Folder folder = Folder::fresh();
  const App app = verbrook::start(folder);
  const Window startup = app.wait_window("the startup window", verbrook::is_startup_window);
  ASSERT_EQ(startup.rect().left, area.left);
  ASSERT_EQ(startup.rect().top, area.top);
  std::vector<ScreenPicture> pictures;
  poll("the main window to take over from the splash", app.process_id(), [&] {
    if (main_window_shows(app)) return true;
    backdrop.paint();
    ScreenPicture picture = ScreenPicture::take(area);
    if (!picture.is_all(RGB(0, 0, 0)) && (pictures.empty() || !(picture == pictures.back()))) {
      pictures.push_back(std::move(picture));
      if (pictures.size() == 14) save_screenshot("splash mid-burst", area);
    }
    return false;
  });
  // 28 frames in 1.4 s, sampled as fast as the screen can be copied.
  EXPECT_GE(pictures.size(), 10u);
  for (std::size_t later = 1; later < pictures.size(); ++later)
    for (std::size_t earlier = 0; earlier < later; ++earlier)
      EXPECT_FALSE(pictures[later] == pictures[earlier]) << "picture " << later << " showed again as " << earlier;
}

TEST(Startup, EscDuringTheSplashEndsTheProgram) {
  const Folder folder = Folder::fresh();
  const App app = verbrook::start(folder);
  app.wait_window("the startup window", verbrook::is_startup_window);
  app.press(VK_ESCAPE);
  EXPECT_EQ(app.wait_exit(), 0);
}

TEST(Startup, MainWindowTakesOverAfterTheSplash) {
  const Folder folder = Folder::fresh();
  const App app = verbrook::start(folder);
  const Window main = app.main_window();
  main.wait_title(verbrook::kMainTitle);
  EXPECT_EQ(main.title().substr(16, 13), "Tamberlo\xB3\xF6\xC6\xB7 ");  // 出品 in GBK
  EXPECT_EQ(main.size().cx, verbrook::kMainWindowSize.cx);
  EXPECT_EQ(main.size().cy, verbrook::kMainWindowSize.cy);
  EXPECT_TRUE(is_centred(main));
  poll("the startup window to go", app.process_id(), [&] {
    for (const Window& window : app.windows())
      if (window.visible() && verbrook::is_startup_window(window)) return false;
    return true;
  });
  // The edit box fills the window, less 10 by 50 pixels, and has the focus.
  const Window edit = app.edit_box();
  EXPECT_EQ(edit.size().cx, verbrook::kMainWindowSize.cx - 10);
  EXPECT_EQ(edit.size().cy, verbrook::kMainWindowSize.cy - 50);
  app.wait_focus(edit);
}

TEST(Exit, ConfirmedCloseOfAnEmptyDocumentEndsWithExitCodeZero) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::close_and_confirm(writing);
}

}  // namespace
