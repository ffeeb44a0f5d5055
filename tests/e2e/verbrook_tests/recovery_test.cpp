// Unsaved text survives an unclean end: the copy Verbrook keeps while the
// writer types, offered back at the next start, and nothing offered after a
// clean one.
#include <gtest/gtest.h>

#include <filesystem>

#include "driver/text.h"
#include "verbrook.h"

namespace {

using namespace e2e;
using verbrook::answer;
using verbrook::type_and_wait;

constexpr std::string_view kRecoveryCaption = "恢复文档：";

// The recovery copies in the program's folder.
int copies_in(const Folder& folder) {
  int copies = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder.native() / "recovery", error))
    if (entry.path().extension() == ".recovery") ++copies;
  return copies;
}

void wait_copies(const Folder& folder, int copies, DWORD process_id) {
  poll("recovery copies: " + std::to_string(copies), process_id, [&] { return copies_in(folder) == copies; });
}

// Verbrook started again in the folder, the recovery box checked and answered.
verbrook::Writing restart_and_answer(App app, std::string_view expected_count, int button) {
  const Window main = app.main_window();
  main.wait_title(verbrook::kMainTitle);
  const MessageBoxWindow box = app.wait_message_box(kRecoveryCaption);
  EXPECT_NE(box.text().find(std::string("共 ").append(expected_count).append(" 字未保存")), std::string::npos)
      << readable_gbk(box.text());
  EXPECT_EQ(box.button_ids(), (std::vector<int>{IDYES, IDNO}));
  box.press(button);
  box.wait_gone();
  const Window edit = app.edit_box();
  app.wait_focus(edit);
  return verbrook::Writing{std::move(app), main, edit};
}

// Typed, killed and offered back: No throws the copy away, so the next start
// offers nothing; Yes brings the text back unsaved, and the save dialog
// offers its file. The copy goes with the save, and with a clean exit where
// the writer chose not to save; nothing is offered then.
TEST(Recovery, KilledTextComesBackOnceAndACleanExitLeavesNothing) {
  const Folder folder = Folder::fresh("恢复");
  folder.write_file("稿子.txt", "旧");
  {
    const verbrook::Writing writing = verbrook::start_writing(folder);
    type_and_wait(writing, "不要了", "不要了");
    wait_copies(folder, 1, writing.app.process_id());
    writing.app.kill();
  }
  {
    const verbrook::Writing writing = restart_and_answer(verbrook::start(folder), "3", IDNO);
    EXPECT_EQ(writing.edit.text(), "");
    wait_copies(folder, 0, writing.app.process_id());
    verbrook::open_file(writing, "稿子.txt", "旧");
    writing.app.press(ctrl(VK_END));
    type_and_wait(writing, "稿两行\r\nab", "旧稿两行\r\nab");
    wait_copies(folder, 1, writing.app.process_id());
    writing.app.kill();
  }
  {
    const verbrook::Writing writing = restart_and_answer(verbrook::start(folder), "6", IDYES);
    EXPECT_EQ(writing.edit.text(), "旧稿两行\r\nab");
    writing.app.press(ctrl('S'));
    const FileDialog dialog = writing.app.wait_file_dialog();
    EXPECT_NE(dialog.file_name().find("稿子.txt"), std::string::npos) << readable_gbk(dialog.file_name());
    dialog.ok();
    verbrook::answer_yes_to_replacing(writing.app, dialog);
    answer(writing.app, verbrook::kSaved, IDOK);
    wait_copies(folder, 0, writing.app.process_id());
    writing.app.press(ctrl(VK_END));
    type_and_wait(writing, "!", "旧稿两行\r\nab!");
    wait_copies(folder, 1, writing.app.process_id());
    writing.app.press(alt(VK_F4));
    answer(writing.app, verbrook::kSaveQuestion, IDNO);
    answer(writing.app, verbrook::kExitQuestion, IDYES);
    EXPECT_EQ(writing.app.wait_exit(), 0);
    EXPECT_EQ(copies_in(folder), 0);
  }
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::expect_no_question(writing.app);
  EXPECT_EQ(writing.edit.text(), "");
  EXPECT_EQ(folder.read_file("稿子.txt"), "旧稿两行\r\nab");
}

// A copy that is cut short is thrown away without a word.
TEST(Recovery, ADamagedCopyIsDiscardedWithoutABox) {
  const Folder folder = Folder::fresh();
  std::filesystem::create_directory(folder.native() / "recovery");
  folder.write_file("recovery\\verbrook-8-1.recovery", "Verbrook recovery copy 1\r\nencoding 0\r\nwritten 4");
  const verbrook::Writing writing = verbrook::start_writing(folder);
  wait_copies(folder, 0, writing.app.process_id());
  verbrook::expect_no_question(writing.app);
}

// Each running instance keeps a copy of its own and never offers another's:
// after one of two is killed, a third offers the killed one's text alone.
TEST(Recovery, TwoInstancesKeepACopyEach) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing first = verbrook::start_writing(folder);
  const verbrook::Writing second =
      verbrook::start_writing(App::start_in(folder.native() / verbrook_program().filename(), folder.native()));
  type_and_wait(first, "甲", "甲");
  type_and_wait(second, "乙乙", "乙乙");
  wait_copies(folder, 2, second.app.process_id());
  first.app.kill();
  const verbrook::Writing third = restart_and_answer(
      App::start_in(folder.native() / verbrook_program().filename(), folder.native()), "1", IDYES);
  EXPECT_EQ(third.edit.text(), "甲");
  EXPECT_EQ(second.edit.text(), "乙乙");
  wait_copies(folder, 2, third.app.process_id());
}

}  // namespace
