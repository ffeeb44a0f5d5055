// Keys, chords and text reach the program through its own message loop.
#include <gtest/gtest.h>

#include "driver/app.h"
#include "driver/paths.h"

namespace {

using namespace e2e;

class Input : public ::testing::Test {
 protected:
  const Folder folder = Folder::fresh();
  const App app = App::start(target_program(), folder);
  const Window main = app.main_window();
};

TEST_F(Input, ChineseTextArrivesAsGbk) {
  app.type("你好，世界");
  app.edit_box().wait_text("\xc4\xe3\xba\xc3\xa3\xac\xca\xc0\xbd\xe7");
}

TEST_F(Input, MixedTextAndLineBreaksArriveAsTyped) {
  app.type("第一行 line 1\n第二行\t末尾");
  app.edit_box().wait_text("第一行 line 1\r\n第二行\t末尾");
}

TEST_F(Input, BackspaceTakesTheCharacterBeforeTheCaretAndALineBreakWhole) {
  app.type("你好\b世界\n\b!");
  app.edit_box().wait_text("你世界!");
}

TEST_F(Input, TheEditBoxHasTheFocus) {
  app.wait_focus(app.edit_box());
  EXPECT_EQ(app.active_window()->handle(), main.handle());
  // Right after its window shows, the program is still activating it; once
  // it is idle the focus is where the program put it.
  app.wait_idle();
  EXPECT_EQ(app.focus()->handle(), app.edit_box().handle());
}

TEST_F(Input, ChordsGoThroughTheAcceleratorTable) {
  app.type("abc");
  app.press(ctrl('H'));
  main.wait_title("hidden");
  const auto layered = main.layered();
  ASSERT_TRUE(layered);
  EXPECT_EQ(layered->alpha, 6);
  EXPECT_EQ(layered->flags, static_cast<DWORD>(LWA_ALPHA));
  EXPECT_TRUE(main.topmost());
  // The H went to the accelerator, not into the text.
  EXPECT_EQ(app.edit_box().text(), "abc");
}

TEST_F(Input, AnAcceleratorWinsOverTheEditBoxOwnKey) {
  app.type("保留的文字");
  app.press(VK_DELETE);
  const MessageBoxWindow box = app.wait_message_box("提示：");
  box.press(IDNO);
  main.wait_title("answer: no");
  EXPECT_EQ(app.edit_box().text(), "保留的文字");
}

TEST_F(Input, MenuItemsAreChosenWithTheKeyboard) {
  app.choose_menu_item(0, 3);  // File > Clear
  app.wait_message_box("提示：").press(IDNO);
  main.wait_title("answer: no");
}

TEST(InputBetweenPrograms, KeysGoToTheProgramTheyAreFor) {
  const Folder first_folder = Folder::fresh();
  const Folder second_folder = Folder::fresh();
  const App first = App::start(target_program(), first_folder);
  const App second = App::start(target_program(), second_folder);
  // Both up and settled, the second in front: nothing takes the keyboard
  // away from the program being typed into.
  first.main_window();
  second.main_window();
  second.wait_idle();
  first.type("甲");
  first.edit_box().wait_text("甲");
  second.type("乙");
  second.edit_box().wait_text("乙");
  first.type("丙");
  first.edit_box().wait_text("甲丙");
  EXPECT_EQ(second.edit_box().text(), "乙");
}

}  // namespace
