// Verbrook as a writer starts it.
#include <gtest/gtest.h>

#include "driver/screenshot.h"
#include "verbrook.h"

namespace {

using namespace e2e;

TEST(Startup, ShowsAWindow) {
  const Folder folder = Folder::fresh();
  const App app = verbrook::start(folder);
  const Window window = app.wait_any_window();
  EXPECT_TRUE(app.running());
  EXPECT_GT(window.size().cx, 0);
}

// Enabled once Verbrook.exe shows its startup window.
TEST(Startup, DISABLED_StartupWindowIsCentredAndEscEndsTheProgram) {
  const Folder folder = Folder::fresh();
  const App app = verbrook::start(folder);
  const Window startup = app.wait_window("the startup window", verbrook::is_startup_window);
  const POINT centred = verbrook::centred_position(verbrook::kStartupWindowSize);
  EXPECT_EQ(startup.rect().left, centred.x);
  EXPECT_EQ(startup.rect().top, centred.y);
  // No taskbar button: a hidden window owns it.
  ASSERT_TRUE(startup.owner());
  EXPECT_FALSE(startup.owner()->visible());
  save_screenshot("splash");
  app.press(VK_ESCAPE);
  EXPECT_EQ(app.wait_exit(), 0);
}

}  // namespace
