// Verbrook as a writer starts it.
#include <gtest/gtest.h>

#include "driver/app.h"
#include "driver/paths.h"

namespace {

using namespace e2e;

TEST(Startup, ShowsAWindow) {
  const Folder folder = Folder::fresh();
  const App app = App::start(verbrook_program(), folder);
  const Window window = app.wait_any_window();
  EXPECT_TRUE(app.running());
  EXPECT_GT(window.size().cx, 0);
}

}  // namespace
