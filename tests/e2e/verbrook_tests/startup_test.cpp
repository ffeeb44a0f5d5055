// Verbrook as a writer starts and ends it.
#include <gtest/gtest.h>

#include "driver/screenshot.h"
#include "verbrook.h"

namespace {

using namespace e2e;

bool is_centred(const Window& window) {
  const POINT centred = verbrook::centred_position(window.size());
  return window.rect().left == centred.x && window.rect().top == centred.y;
}

TEST(Startup, SplashWindowIsCentredLayeredAndOffTheTaskbar) {
  const Folder folder = Folder::fresh();
  const App app = verbrook::start(folder);
  const Window startup = app.wait_window("the startup window", verbrook::is_startup_window);
  EXPECT_TRUE(is_centred(startup));
  EXPECT_TRUE(startup.ex_style() & WS_EX_LAYERED);
  ASSERT_TRUE(startup.owner());
  EXPECT_FALSE(startup.owner()->visible());
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
  save_screenshot("main window");
}

TEST(Exit, ConfirmedCloseOfAnEmptyDocumentEndsWithExitCodeZero) {
  const Folder folder = Folder::fresh();
  const App app = verbrook::start(folder);
  app.main_window().wait_title(verbrook::kMainTitle);
  app.press(alt(VK_F4));
  const MessageBoxWindow confirmation = app.wait_message_box("退出确认：");
  EXPECT_EQ(confirmation.text(), "亲爱的朋友！ 当前已没有您需要保存的文档\r\n\r\n请问您是否真的确定退出本程序");
  confirmation.press(IDYES);
  EXPECT_EQ(app.wait_exit(), 0);
}

}  // namespace
