// What the driver sees of a window, and what it does to one.
#include <gtest/gtest.h>

#include "driver/app.h"
#include "driver/paths.h"

namespace {

using namespace e2e;

class Windows : public ::testing::Test {
 protected:
  const Folder folder = Folder::fresh();
  const App app = App::start(target_program(), folder);
  const Window main = app.main_window();
};

TEST_F(Windows, MainWindowIsSeenAsItIs) {
  EXPECT_EQ(main.class_name(), L"VerbrookE2eTarget");
  EXPECT_EQ(main.title(), "e2e target");
  const RECT rect = main.rect();
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 560) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 620) / 2);
  EXPECT_EQ(main.size().cx, 560);
  EXPECT_EQ(main.size().cy, 620);
  EXPECT_EQ(main.style() & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
  EXPECT_TRUE(main.visible());
  EXPECT_TRUE(main.enabled());
  EXPECT_FALSE(main.topmost());
  EXPECT_FALSE(main.layered());
  EXPECT_FALSE(main.owner());
  const Window edit = app.edit_box();
  EXPECT_EQ(edit.control_id(), 200);
  EXPECT_TRUE(edit.style() & ES_MULTILINE);
}

TEST_F(Windows, TheProgramFollowsAResize) {
  main.resize(400, 300);
  EXPECT_EQ(main.size().cx, 400);
  EXPECT_EQ(main.size().cy, 300);
  const Window edit = app.edit_box();
  poll("the edit box to follow the window", app.process_id(),
       [&] { return edit.size().cx == main.client_rect().right; });
}

TEST_F(Windows, MovesTheWindow) {
  main.move_to(10, 20);
  EXPECT_EQ(main.rect().left, 10);
  EXPECT_EQ(main.rect().top, 20);
}

TEST_F(Windows, ClicksLandOnThePointsOfTheClientArea) {
  const RECT client = main.client_rect();
  main.click({25, client.bottom - 15});
  main.wait_title("clicked 25," + std::to_string(client.bottom - 15));
  main.click({client.right - 1, client.bottom - 1});
  main.wait_title("clicked " + std::to_string(client.right - 1) + "," + std::to_string(client.bottom - 1));
}

}  // namespace
