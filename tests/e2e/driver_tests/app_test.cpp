// Starting a program in a folder of its own, reading its exit code, killing it.
#include <gtest/gtest.h>

#include "driver/app.h"
#include "driver/paths.h"

namespace {

using namespace e2e;

TEST(App, RunsItsOwnCopyFromItsFolder) {
  const Folder folder = Folder::fresh();
  const App app = App::start(target_program(), folder);
  app.main_window().wait_title("e2e target");
  EXPECT_TRUE(folder.has_file("e2e_target.exe"));
  EXPECT_TRUE(app.running());
}

TEST(App, ReadsTheExitCodeOfAProgramThatEndsAtOnce) {
  const Folder folder = Folder::fresh();
  const App app = App::start(target_program(), folder);
  app.main_window();
  app.press(VK_ESCAPE);
  EXPECT_EQ(app.wait_exit(), 0);
  EXPECT_FALSE(app.running());
}

TEST(App, ReadsTheExitCodeAfterAConfirmedClose) {
  const Folder folder = Folder::fresh();
  const App app = App::start(target_program(), folder);
  app.main_window();
  app.press(alt(VK_F4));
  app.wait_message_box("退出确认：").press(IDYES);
  EXPECT_EQ(app.wait_exit(), 7);
}

TEST(App, ReadsThePrivateBytesOfTheProgramNotItsOwn) {
  const Folder folder = Folder::fresh();
  const App app = App::start(target_program(), folder);
  const Window edit = app.edit_box();
  const std::size_t before = app.private_bytes();
  EXPECT_GT(before, 0u);
  // 256 K characters are half a megabyte of UTF-16 in the program's edit box;
  // the copy this process made to send them is gone again. In lines, as a
  // writer's text comes: Wine's edit box wraps one long line in a time that
  // grows with the square of its length (minutes for this one).
  std::string lines;
  while (lines.size() < 256 * 1024) lines += std::string(62, 'a') + "\r\n";
  edit.set_text(lines);
  EXPECT_GE(app.private_bytes(), before + 256 * 1024);
}

TEST(App, KillsTheProgramWhenItGoes) {
  const Folder folder = Folder::fresh();
  host::OwnedKernelHandle process;
  {
    const App app = App::start(target_program(), folder);
    app.main_window();
    process = host::OwnedKernelHandle(OpenProcess(SYNCHRONIZE, FALSE, app.process_id()));
    ASSERT_TRUE(process);
  }
  EXPECT_EQ(WaitForSingleObject(process.get(), 0), WAIT_OBJECT_0);
}

TEST(App, RunsFromAFolderWithChineseCharactersInItsPath) {
  const Folder folder = Folder::fresh("写作 文件夹");
  ASSERT_NE(folder.path().find("写作 文件夹"), std::string::npos);
  const App app = App::start(target_program(), folder);
  const Window main = app.main_window();
  // The save dialog starts in the working folder, the program's own folder.
  app.press(ctrl('S'));
  const FileDialog dialog = app.wait_file_dialog();
  dialog.enter_file_name("稿子.txt");
  dialog.ok();
  main.wait_title("saved: " + folder.path_of("稿子.txt"));
}

TEST(Folder, HoldsFilesAndGoesWithEverythingInIt) {
  std::filesystem::path path;
  {
    const Folder folder = Folder::fresh("设置");
    path = folder.native();
    folder.write_file("zelvorin.ini", "[配置]\r\n字体大小=abc\r\n");
    EXPECT_EQ(folder.read_file("zelvorin.ini"), "[配置]\r\n字体大小=abc\r\n");
    EXPECT_FALSE(folder.read_file("missing.txt"));
    EXPECT_NE(Folder::fresh().native(), path);
  }
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
