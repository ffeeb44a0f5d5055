#include "app/main_window.h"

#include <gtest/gtest.h>

#include "app_fixture.h"

namespace app_test {
namespace {

using host::HandlerId;
using Strings = std::vector<std::string>;

using app::key::kEsc;

class MainWindowTest : public AppTest {
 protected:
  void SetUp() override { start_editing(); }

  Strings hide_and_show_steps() const {
    return calls({"write edit.Disabled", "write main.", "set_focus", "set_window_transparency", "event EditGotFocus"});
  }

  void press_esc_on_main_window() { EXPECT_FALSE(host.fire(HandlerId::MainKeyDown, {kEsc, 0})); }
};

const Strings kShowSteps = {"set_window_transparency main 255", "write main.AlwaysOnTop=false",
                            "write edit.Disabled=false", "set_focus edit", "event EditGotFocus"};

TEST_F(MainWindowTest, EscInTheEditBoxHides) {
  EXPECT_FALSE(key_down_in_edit_box(kEsc));
  EXPECT_EQ(hide_and_show_steps(), (Strings{"write edit.Disabled=true", "set_focus main",
                                            "write main.AlwaysOnTop=true", "set_window_transparency main 6"}));
  EXPECT_EQ(host.focus(), host::units::kMainWindow);
}

TEST_F(MainWindowTest, EscOnTheHiddenWindowShowsItWithContentAndSelectionKept) {
  host.set_content("正在写的文字");
  host.select(4, 2);
  key_down_in_edit_box(kEsc);
  host.log.clear();
  press_esc_on_main_window();
  EXPECT_EQ(hide_and_show_steps(), kShowSteps);
  EXPECT_EQ(host.focus(), host::units::kEditBox);
  EXPECT_EQ(std::get<bool>(host.property(host::units::kEditBox, host::prop::kDisabled)), false);
  EXPECT_EQ(std::get<bool>(host.property(host::units::kMainWindow, host::prop::window::kAlwaysOnTop)), false);
  EXPECT_EQ(host.content(), "正在写的文字");
  EXPECT_EQ(host.edit_int(host::prop::edit::kSelStart), 4);
  EXPECT_EQ(host.edit_int(host::prop::edit::kSelLength), 2);
  EXPECT_EQ(calls({"write edit.Content"}), Strings{});
}

TEST_F(MainWindowTest, EscOnTheShownWindowDoesTheSameSteps) {
  host.set_focus(host::units::kMainWindow);  // say the writer clicked the window's frame
  host.log.clear();
  press_esc_on_main_window();
  EXPECT_EQ(hide_and_show_steps(), kShowSteps);
  EXPECT_EQ(host.focus(), host::units::kEditBox);
}

TEST_F(MainWindowTest, OtherKeysOnTheMainWindowDoNothing) {
  for (int key : {8, 13, 65, 46}) EXPECT_FALSE(host.fire(HandlerId::MainKeyDown, {key, 0}));
  EXPECT_EQ(calls({"write", "set_", "message_box"}), Strings{});
}

TEST_F(MainWindowTest, EditBoxFollowsTheWindowSize) {
  struct Case {
    std::int32_t width, height, edit_width, edit_height;
  };
  const Case cases[] = {{560, 620, 550, 570}, {400, 300, 390, 250}, {8, 40, -2, -10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    host.set_property(host::units::kMainWindow, host::prop::kWidth, -1, c.width);
    host.set_property(host::units::kMainWindow, host::prop::kHeight, -1, c.height);
    host.fire(HandlerId::MainSizeChanged);
    EXPECT_EQ(host.edit_int(host::prop::kWidth), c.edit_width);
    EXPECT_EQ(host.edit_int(host::prop::kHeight), c.edit_height);
  }
}

TEST(MainWindowTitle, IsGbkWithItsSpaces) {
  EXPECT_EQ(app::main_window_title(), "Verbrook    --  Tamberlo\xB3\xF6\xC6\xB7 www.tamberlo.com  ");
}

}  // namespace
}  // namespace app_test
