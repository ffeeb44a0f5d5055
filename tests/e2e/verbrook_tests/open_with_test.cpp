// Files that reach Verbrook from Explorer: "Open with" puts the file's name
// on the command line, and a file can be dropped on the window. Each opens
// as Ctrl+D opens one, in its own encoding, and closed unchanged asks nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "driver/drop.h"
#include "verbrook.h"

namespace {

using namespace e2e;

// 第二章 and a line break in UTF-8, without a byte-order mark.
const std::string kUtf8Chapter = "\xE7\xAC\xAC\xE4\xBA\x8C\xE7\xAB\xA0\r\n";

// A GBK file by a name relative to the folder Verbrook was started in, which
// is not its own; then a UTF-8 file by its full path, its name holding a
// character that GBK lacks, with a further argument that is left alone.
TEST(OpenWith, AGbkFileThenAUtf8FileShowTheirTextAndCloseWithoutAQuestion) {
  const Folder program = Folder::fresh();
  const Folder drafts = Folder::fresh("稿件 中文");
  drafts.write_file("第一章 草稿.txt", "第一章\r\n天色已晚。");
  drafts.write_file("第二章 한글.txt", kUtf8Chapter);
  const std::filesystem::path program_file = program.native() / verbrook_program().filename();
  std::filesystem::copy_file(verbrook_program(), program_file);
  {
    const verbrook::Writing writing =
        verbrook::start_writing(App::start_in(program_file, drafts.native(), L"\"第一章 草稿.txt\""));
    writing.edit.wait_text("第一章\r\n天色已晚。");
    verbrook::close_and_confirm(writing);
  }
  const std::wstring arguments = L"\"" + drafts.native_file("第二章 한글.txt").wstring() + L"\" 第三章.txt";
  const verbrook::Writing writing = verbrook::start_writing(App::start_in(program_file, program.native(), arguments));
  writing.edit.wait_text("第二章\r\n");
  verbrook::close_and_confirm(writing);
}

TEST(OpenWith, AMissingFileIsNamedAndTheDocumentIsEmpty) {
  const Folder folder = Folder::fresh();
  App app = App::start(verbrook_program(), folder, L"\"不在 这里.txt\"");
  verbrook::expect_cannot_open(app, folder.path_of("不在 这里.txt"));
  const verbrook::Writing writing = verbrook::start_writing(std::move(app));
  EXPECT_EQ(writing.edit.text(), "");
  verbrook::close_and_confirm(writing);
}

TEST(Drop, AFileDroppedOnTheWindowOpensAfterTheWarning) {
  const Folder folder = Folder::fresh();
  folder.write_file("拖入 的稿.txt", "拖进来的文字");
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::type_and_wait(writing, "草稿", "草稿");
  drop_files(writing.main, {folder.native_file("拖入 的稿.txt")});
  verbrook::answer(writing.app, verbrook::kOpenWarning, IDYES);
  writing.edit.wait_text("拖进来的文字");
  verbrook::close_and_confirm(writing);
}

// Hidden by Esc, the window still takes files: the one-key hide replaces its
// extended style.
TEST(Drop, WithCtrlHeldADroppedFileIsAppendedAlsoToTheHiddenWindow) {
  const Folder folder = Folder::fresh();
  folder.write_file("续篇.txt", "续篇");
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::type_and_wait(writing, "开头", "开头");
  writing.app.press(VK_ESCAPE);
  poll("the window to be hidden", writing.app.process_id(), [&] {
    const auto layered = writing.main.layered();
    return layered && layered->alpha == 6;
  });
  EXPECT_TRUE(writing.main.ex_style() & WS_EX_ACCEPTFILES);
  const HeldKey ctrl(VK_CONTROL);
  drop_files(writing.main, {folder.native_file("续篇.txt")});
  writing.edit.wait_text("开头续篇");
}

}  // namespace
