#include "app/application.h"

#include <gtest/gtest.h>

#include "app_fixture.h"

namespace app_test {
namespace {

using host::HandlerId;
using Strings = std::vector<std::string>;

TEST_F(AppTest, EntryRunsItsStepsInOrderAndReturnsZero) {
  start({app::SplashFrame(), app::SplashFrame()});
  const std::string startup_handle = std::to_string(FakeHost::handle_of(host::units::kStartupWindow));
  EXPECT_EQ(host.log, (Strings{"start_runtime", "skin create_window", "register_exit_procedure", "skin startup",
                               "skin decode ahead 2", "load_start_window startup", "event StartupCreated", "skin attach " + startup_handle,
                               "run_message_loop"}));
  EXPECT_EQ(host.start_window, host::form::kStartup);
  // The array of the last Backspace exists from the start, empty, with one dimension.
  EXPECT_EQ(app->statistics().last_split_lines().sizes, (std::vector<std::uint32_t>{0}));
}

TEST_F(AppTest, EverySlotHasAHandler) {
  start();
  ASSERT_TRUE(host.handlers);
  for (std::size_t slot = 0; slot < host::kHandlerCount; ++slot) {
    EXPECT_TRUE((*host.handlers)[slot]) << "slot " << slot;
  }
}

TEST_F(AppTest, HandlersOfKeysAndMenusReturnNothing) {
  start_editing();
  // A returned value would swallow the key.
  for (int key : {8, 13, 65, 46}) EXPECT_FALSE(key_down_in_edit_box(key)) << key;
  EXPECT_FALSE(host.fire(HandlerId::MainKeyDown, {65, 0}));
  EXPECT_FALSE(host.fire(HandlerId::Copy));
}

TEST_F(AppTest, ConfirmedExitRunsTheExitHookOnce) {
  start_editing();
  key_down_in_edit_box(8);  // fills the lines of the last Backspace
  host.set_content("a\r\nb");
  key_down_in_edit_box(8);
  ASSERT_EQ(app->statistics().last_split_lines().members.size(), 2u);
  host.answer_boxes({host::message_box::kResultNo /* save? */, host::message_box::kResultYes /* exit? */});

  EXPECT_THROW(host.fire(HandlerId::MainQueryClose), ProgramEnded);

  EXPECT_EQ(host.exit_code, 0);
  EXPECT_EQ(host.exit_procedure_runs, 1);
  // The skin layer went at the hand-over and is not released twice.
  EXPECT_EQ(skin.record.windows_destroyed, 1);
  EXPECT_EQ(skin.record.shutdowns, 1);
  EXPECT_EQ(app->statistics().last_split_lines().member_count(), 0u);
  EXPECT_TRUE(app->statistics().last_split_lines().members.empty());
}

// "Open with" in Explorer: the file opens once the main window is up, as
// Ctrl+D opens one; closed unchanged, it asks only the exit question.
TEST_F(AppTest, TheFileNamedOnTheCommandLineOpensOnceTheMainWindowIsUp) {
  const host::Text file = "D:\\稿件 一\\第一章.txt";
  host.command_line_file = file;
  host.files[file] = {0xC4, 0xE3, 0xBA, 0xC3};  // 你好
  start_editing();
  EXPECT_EQ(host.content(), "你好");
  EXPECT_EQ(host.property(host::units::kCommonDialog, host::prop::dialog::kFileName), host::Value(file));
  EXPECT_TRUE(host.boxes.empty());
  host.answer_boxes({host::message_box::kResultYes});
  EXPECT_THROW(host.fire(HandlerId::MainQueryClose), ProgramEnded);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].caption, "退出确认：");
}

TEST_F(AppTest, AMissingFileOnTheCommandLineIsNamedThenTheDocumentIsEmpty) {
  host.command_line_file = "D:\\不在.txt";
  start();
  for (int tick = 0; tick <= app::kSplashFrameCount; ++tick) host.fire(HandlerId::SplashTick);
  EXPECT_EQ(host.boxes, (std::vector<MessageBoxCall>{{"文件 D:\\不在.txt 不存在或无法读取，没有打开。", 0, "打开失败："}}));
  EXPECT_EQ(calls({"write main.Caption", "message_box"}),
            (Strings{"write main.Caption=\"Verbrook    --  Tamberlo出品 www.tamberlo.com  \"", "message_box 打开失败："}));
  EXPECT_EQ(host.content(), "");
}

}  // namespace
}  // namespace app_test
