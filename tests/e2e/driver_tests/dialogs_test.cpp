// Message boxes, the open and save dialogs and the font dialog, answered.
#include <gtest/gtest.h>

#include "driver/app.h"
#include "driver/paths.h"

namespace {

using namespace e2e;

class Dialogs : public ::testing::Test {
 protected:
  const Folder folder = Folder::fresh("对话框");
  const App app = App::start(target_program(), folder);
  const Window main = app.main_window();
};

TEST_F(Dialogs, MessageBoxIsFoundByCaptionAndRead) {
  app.press(VK_DELETE);
  const MessageBoxWindow box = app.wait_message_box("提示：");
  EXPECT_EQ(box.caption(), "提示：");
  EXPECT_EQ(box.text(), "确定清空文档吗？");
  EXPECT_EQ(box.button_ids(), (std::vector<int>{IDYES, IDNO}));
  EXPECT_FALSE(main.enabled());
  box.press(IDNO);
  box.wait_gone();
  main.wait_title("answer: no");
}

TEST_F(Dialogs, MessageBoxButtonIsPressedByItsLabel) {
  app.type("要清空的文字");
  app.press(VK_DELETE);
  const MessageBoxWindow box = app.wait_message_box("提示：");
  const auto labels = box.button_labels();
  ASSERT_EQ(labels.size(), 2u);
  box.press(labels[0]);  // Yes, in the language of the Wine prefix
  main.wait_title("answer: yes");
  EXPECT_EQ(app.edit_box().text(), "");
  EXPECT_FALSE(app.has_dialog());
}

TEST_F(Dialogs, SaveDialogTakesAChineseFileName) {
  app.press(ctrl('S'));
  const FileDialog dialog = app.wait_file_dialog();
  dialog.enter_file_name("文档一.txt");
  EXPECT_EQ(dialog.file_name(), "文档一.txt");
  dialog.ok();
  main.wait_title("saved: " + folder.path_of("文档一.txt"));
}

TEST_F(Dialogs, SaveOverAnExistingFileAnswersTheOverwritePrompt) {
  folder.write_file("旧稿.txt", "old");
  app.press(ctrl('S'));
  const FileDialog dialog = app.wait_file_dialog();
  dialog.enter_file_name("旧稿.txt");
  dialog.ok();
  // The prompt is a message box of the program, titled like the dialog.
  const MessageBoxWindow prompt =
      MessageBoxWindow(app.wait_window("the overwrite prompt", [&](const Window& window) {
        return MessageBoxWindow::matches(window) && window.handle() != dialog.window().handle();
      }));
  prompt.press(IDYES);
  main.wait_title("saved: " + folder.path_of("旧稿.txt"));
}

TEST_F(Dialogs, OpenDialogTakesAChineseFileName) {
  folder.write_file("第二章.txt", "text");
  app.press(ctrl('D'));
  const FileDialog dialog = app.wait_file_dialog();
  dialog.enter_file_name("第二章.txt");
  dialog.ok();
  main.wait_title("opened: " + folder.path_of("第二章.txt"));
}

TEST_F(Dialogs, CancelledFileDialogsReturnNothing) {
  app.press(ctrl('D'));
  app.wait_file_dialog().cancel();
  main.wait_title("open cancelled");
  app.press(ctrl('S'));
  app.wait_file_dialog().cancel();
  main.wait_title("save cancelled");
}

TEST_F(Dialogs, FontDialogTakesAChosenSize) {
  app.press(ctrl('T'));
  const FontDialog dialog = app.wait_font_dialog();
  dialog.choose_size(24);
  EXPECT_EQ(dialog.size(), 24);
  const std::string face = dialog.face();
  dialog.ok();
  main.wait_title("font: " + face + " 24");
}

TEST_F(Dialogs, FontDialogTakesAChosenFace) {
  app.press(ctrl('T'));
  const FontDialog dialog = app.wait_font_dialog();
  dialog.choose_face("WenQuanYi Micro Hei");  // installed with the build tools
  dialog.choose_size(18);
  dialog.ok();
  main.wait_title("font: WenQuanYi Micro Hei 18");
}

TEST_F(Dialogs, CancelledFontDialogReturnsNothing) {
  app.press(ctrl('T'));
  app.wait_font_dialog().cancel();
  main.wait_title("font cancelled");
}

}  // namespace
