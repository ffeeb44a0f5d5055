// Documents as a writer handles them: new, open, append, save, and the
// questions asked before text could be lost and before the program ends.
#include <gtest/gtest.h>

#include "verbrook.h"

namespace {

using namespace e2e;
using verbrook::answer;
using verbrook::cancel_file_dialog;
using verbrook::choose_file;
using verbrook::type_and_wait;

// Menu 文件操作 and its items, as the keyboard reaches them (separators skipped).
constexpr int kFileMenu = 0;
constexpr int kNewItem = 0;

TEST(Documents, NewOnAnEmptyDocumentAsksNothing) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  writing.app.choose_menu_item(kFileMenu, kNewItem);
  verbrook::expect_no_question(writing.app);
  EXPECT_EQ(writing.edit.text(), "");
}

TEST(Documents, NewWithUnsavedTextAndNoToSavingClearsIt) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "你好", "你好");
  writing.app.choose_menu_item(kFileMenu, kNewItem);
  answer(writing.app, verbrook::kSaveQuestion, IDNO);
  writing.edit.wait_text("");
}

TEST(Documents, NewKeepsTheTextWhenTheWriterSaidYesAndCancelledTheSave) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "你好", "你好");
  writing.app.press(ctrl('A'));
  answer(writing.app, verbrook::kSaveQuestion, IDYES);
  cancel_file_dialog(writing.app);
  answer(writing.app, verbrook::kNotSaved, IDOK);
  verbrook::expect_no_question(writing.app);  // the command has finished
  EXPECT_EQ(writing.edit.text(), "你好");
}

TEST(Documents, AnOpenedFileClosedWithoutEditsAsksOnlyWhetherToExit) {
  const Folder folder = Folder::fresh();
  folder.write_file("稿子.txt", "第一章\r\n开始");
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::open_file(writing, "稿子.txt", "第一章\r\n开始");
  verbrook::close_and_confirm(writing);
}

TEST(Documents, ExitWithYesToSavingAndTheSaveCancelledWarnsThenAsksWhetherToExit) {
  const Folder folder = Folder::fresh();
  folder.write_file("稿子.txt", "第一章");
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::open_file(writing, "稿子.txt", "第一章");
  writing.app.press(VK_END);
  type_and_wait(writing, "完", "第一章完");
  writing.app.press(alt(VK_F4));
  answer(writing.app, verbrook::kSaveQuestion, IDYES);
  cancel_file_dialog(writing.app);
  answer(writing.app, verbrook::kNotSaved, IDOK);
  answer(writing.app, verbrook::kExitQuestion, IDYES);
  EXPECT_EQ(writing.app.wait_exit(), 0);
  EXPECT_EQ(folder.read_file("稿子.txt"), "第一章");
}

TEST(Documents, NoToExitingWelcomesTheWriterBackAndKeepsTheDocument) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "写作", "写作");
  writing.app.press(alt(VK_F4));
  answer(writing.app, verbrook::kSaveQuestion, IDNO);
  answer(writing.app, verbrook::kExitQuestion, IDNO);
  answer(writing.app, verbrook::kWelcomeBack, IDOK);
  writing.app.wait_focus(writing.edit);
  EXPECT_TRUE(writing.main.visible());
  EXPECT_EQ(writing.edit.text(), "写作");
  // Writing goes on.
  type_and_wait(writing, "中", "写作中");
}

TEST(Documents, AnEmptyDocumentSavesAsAnEmptyFile) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::save_as(writing, "空.txt");
  EXPECT_EQ(folder.read_file("空.txt"), "");
}

TEST(Documents, TwoLinesOfThreeCharactersSaveAsFourteenBytes) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "春眠不\n觉晓处", "春眠不\r\n觉晓处");
  verbrook::save_as(writing, "诗.txt");
  const std::optional<std::string> saved = folder.read_file("诗.txt");
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->size(), 14u);
  EXPECT_EQ(*saved, "\xB4\xBA\xC3\xDF\xB2\xBB\r\n\xBE\xF5\xCF\xFE\xB4\xA6");  // GBK, no BOM, no final line break
}

TEST(Documents, AnAppendedFileContinuesTheLastLine) {
  const Folder folder = Folder::fresh();
  folder.write_file("续.txt", "接着写\r\n第二行");
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "开头", "开头");
  writing.app.press(VK_HOME);  // where the caret is does not matter
  writing.app.press(ctrl('F'));
  choose_file(writing.app, "续.txt");
  writing.edit.wait_text("开头接着写\r\n第二行");
}

TEST(Documents, OpenAnsweredNoOrCancelledChangesNothing) {
  const Folder folder = Folder::fresh();
  folder.write_file("旧.txt", "旧文");
  folder.write_file("别的.txt", "别的");
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::open_file(writing, "旧.txt", "旧文");
  writing.app.press(VK_END);
  type_and_wait(writing, "新", "旧文新");

  writing.app.press(ctrl('D'));
  answer(writing.app, verbrook::kOpenWarning, IDNO);
  writing.app.press(ctrl('D'));
  answer(writing.app, verbrook::kOpenWarning, IDYES);
  cancel_file_dialog(writing.app);
  verbrook::expect_no_question(writing.app);
  EXPECT_EQ(writing.edit.text(), "旧文新");

  // The current file is still the one opened: save offers it.
  writing.app.press(ctrl('S'));
  const FileDialog dialog = writing.app.wait_file_dialog();
  EXPECT_EQ(dialog.file_name(), "旧.txt");
  dialog.cancel();
  answer(writing.app, verbrook::kNotSaved, IDOK);
}

TEST(Documents, AfterNewSaveOffersThePreviousFileAndExitComparesWithIt) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "一", "一");
  verbrook::save_as(writing, "甲.txt");
  writing.app.press(ctrl('A'));  // saved: nothing to ask
  writing.edit.wait_text("");
  type_and_wait(writing, "一", "一");

  writing.app.press(ctrl('S'));
  const FileDialog dialog = writing.app.wait_file_dialog();
  EXPECT_EQ(dialog.file_name(), "甲.txt");
  dialog.cancel();
  answer(writing.app, verbrook::kNotSaved, IDOK);

  // The new text equals 甲.txt, so closing asks only whether to exit.
  verbrook::close_and_confirm(writing);
}

}  // namespace
