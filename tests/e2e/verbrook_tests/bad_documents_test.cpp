// Documents that are not what a writer means to open, opened and appended
// through the real open dialog: empty, cut by a zero byte, broken or other
// encodings, binary, held by another program, names the dialog cannot open,
// Chinese folders and file names. Each time the program neither crashes nor
// hangs, no file is changed by opening it, and the program goes on working.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "driver/held_open_file.h"
#include "driver/text.h"
#include "host/services/document_encoding.h"
#include "verbrook.h"

namespace {

using namespace e2e;
using verbrook::answer;
using verbrook::choose_file;

// What the edit box shows for a file's bytes: its text in the encoding the
// bytes are in (the program's own bytes up to the first zero byte for
// anything that is not UTF-8 or UTF-16).
std::string shown_text_of(std::string_view bytes) { return host::read_document(bytes).text; }

// Opens the file with Ctrl+D (Yes to the warning when the document is not
// empty) or appends it with Ctrl+F, and waits until the command has finished.
void open_or_append(const verbrook::Writing& writing, char command, std::string_view name) {
  const bool had_text = !writing.edit.text().empty();
  writing.app.press(ctrl(command));
  if (command == 'D' && had_text) answer(writing.app, verbrook::kOpenWarning, IDYES);
  choose_file(writing.app, name);
  verbrook::expect_no_question(writing.app);  // nothing asked or said, and the program answers
}

struct BadFile {
  const char* name;
  std::string bytes;
};

std::string binary_bytes() {
  std::string bytes;
  for (int i = 1; i < 256; ++i) bytes += static_cast<char>(i);
  return bytes + std::string("\0\x01\xFF", 3);
}

// UTF-16 (little-endian, with its byte-order mark) of 你好 and a line break.
const std::string kUtf16 = std::string("\xFF\xFE\x60\x4F\x7D\x59\x0D\x00\x0A\x00", 10);

TEST(BadDocuments, EachOpensAndAppendsAsItsBytesUpToTheFirstZeroByte) {
  const BadFile files[] = {
      {"空.txt", ""},
      {"零字节.txt", std::string("前半\0后半", 9)},
      {"坏字节.txt", "好\x80\xFF坏\x81\x20字"},  // bytes that are no GBK character
      {"半个字.txt", "结尾\xB0"},                 // a first byte with nothing after it
      {"utf8.txt", "\xE4\xBD\xA0\xE5\xA5\xBD\xE4\xB8\x96\xE7\x95\x8C"},  // 你好世界 in UTF-8
      {"utf16.txt", kUtf16},
      {"二进制.bin", binary_bytes()},
  };
  const Folder folder = Folder::fresh();
  for (const BadFile& file : files) folder.write_file(file.name, file.bytes);
  const verbrook::Writing writing = verbrook::start_writing(folder);
  for (const BadFile& file : files) {
    SCOPED_TRACE(file.name);
    const std::string shown = shown_text_of(file.bytes);
    open_or_append(writing, 'D', file.name);
    EXPECT_EQ(writing.edit.text(), shown);
    open_or_append(writing, 'F', file.name);
    EXPECT_EQ(writing.edit.text(), shown + shown);
    EXPECT_EQ(folder.read_file(file.name), file.bytes);
  }
  // UTF-8 and UTF-16 show their text.
  open_or_append(writing, 'D', "utf8.txt");
  EXPECT_EQ(writing.edit.text(), "你好世界");
  open_or_append(writing, 'D', "utf16.txt");
  EXPECT_EQ(writing.edit.text(), "你好\r\n");
  // A save writes what the edit box shows.
  open_or_append(writing, 'D', "二进制.bin");
  const std::string shown = writing.edit.text();
  verbrook::save_as(writing, "另存.txt");
  EXPECT_EQ(folder.read_file("另存.txt"), shown);
}

// A file that another program holds open without sharing it reads as an
// empty document, without a message; the file is left as it was.
TEST(BadDocuments, AFileHeldOpenByAnotherProgramOpensAsNothing) {
  const Folder folder = Folder::fresh();
  folder.write_file("锁.txt", "旧内容");
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::type_and_wait(writing, "草稿", "草稿");
  {
    const HeldOpenFile held(folder.native() / L"锁.txt");
    open_or_append(writing, 'F', "锁.txt");
    EXPECT_EQ(writing.edit.text(), "草稿");
    open_or_append(writing, 'D', "锁.txt");
    EXPECT_EQ(writing.edit.text(), "");
  }
  EXPECT_EQ(folder.read_file("锁.txt"), "旧内容");
  verbrook::type_and_wait(writing, "新", "新");
  verbrook::save_as(writing, "别处.txt");
  EXPECT_EQ(folder.read_file("别处.txt"), "新");
}

// The number of entries the open dialog lists now, or -1 while it has no
// list (its list view is made anew whenever the dialog shows another folder).
int listed_entries(const FileDialog& dialog) {
  const std::optional<Window> list = dialog.window().child_of_class(L"SysListView32");
  const std::optional<LRESULT> count = list ? list->ask(LVM_GETITEMCOUNT) : std::nullopt;
  return count ? static_cast<int>(*count) : -1;
}

void wait_listed_entries(const verbrook::Writing& writing, const FileDialog& dialog, std::string_view what,
                         const std::function<bool(int)>& expected) {
  poll(what, writing.app.process_id(), [&] { return expected(listed_entries(dialog)); });
}

// A name the open dialog cannot open as a file keeps the dialog open: a
// missing file is refused with the dialog's own message, a folder is shown,
// a wildcard lists what it matches. A file chosen after that opens, for
// Ctrl+D and Ctrl+F alike, in a folder with Chinese characters and a space.
TEST(BadDocuments, TheOpenDialogStaysForAMissingFileAFolderOrAWildcard) {
  const Folder folder = Folder::fresh("写作 文件夹");
  std::filesystem::create_directory(folder.native() / L"第一卷");
  folder.write_file("第一卷\\第一章.txt", "第一章");
  folder.write_file("序.txt", "序");
  folder.write_file("说明.bin", "不是 txt");
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::type_and_wait(writing, "草稿", "草稿");
  for (const char command : {'F', 'D'}) {
    SCOPED_TRACE(command);
    const std::string before = writing.edit.text();
    writing.app.press(ctrl(command));
    if (command == 'D') answer(writing.app, verbrook::kOpenWarning, IDYES);
    const FileDialog dialog = writing.app.wait_file_dialog();
    // The dialog starts in the folder of the file last opened, 第一卷 the
    // second time; a folder's full path typed takes it back.
    if (command == 'D') {
      wait_listed_entries(writing, dialog, "the folder 第一卷 listed", [](int count) { return count == 1; });
      dialog.enter_file_name(folder.path());
      dialog.ok();
    }
    // *.txt lists the folder 第一卷 and 序.txt.
    wait_listed_entries(writing, dialog, "the program folder listed", [](int count) { return count == 2; });

    dialog.enter_file_name("不存在.txt");
    dialog.ok();
    const MessageBoxWindow refusal(writing.app.wait_window("the dialog's message that the file is missing", [&](const Window& window) {
      const auto owner = window.owner();
      return MessageBoxWindow::matches(window) && owner && owner->handle() == dialog.window().handle();
    }));
    refusal.press(IDOK);
    refusal.wait_gone();

    dialog.enter_file_name("*.*");
    dialog.ok();
    wait_listed_entries(writing, dialog, "every file listed", [](int count) { return count > 2; });

    dialog.enter_file_name("第一卷");
    dialog.ok();
    wait_listed_entries(writing, dialog, "the folder 第一卷 listed", [](int count) { return count == 1; });

    dialog.enter_file_name("第一章.txt");
    dialog.ok();
    dialog.wait_gone();
    writing.edit.wait_text(command == 'F' ? before + "第一章" : "第一章");
  }
  // A save into the Chinese folder works.
  verbrook::save_as(writing, folder.path_of("第一卷\\合集.txt"));
  EXPECT_EQ(folder.read_file("第一卷\\合集.txt"), "第一章");
  EXPECT_EQ(folder.read_file("第一卷\\第一章.txt"), "第一章");
}

// Full paths with Chinese folders typed into the dialogs: a file in a folder
// of another program folder opened, one appended, the whole saved there.
TEST(BadDocuments, FullPathsWithChineseFoldersOpenAppendAndSave) {
  const Folder elsewhere = Folder::fresh("稿件 中文");
  std::filesystem::create_directory(elsewhere.native() / L"第二卷");
  elsewhere.write_file("第二卷\\上.txt", "上篇\r\n");
  elsewhere.write_file("第二卷\\下.txt", "下篇");
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  open_or_append(writing, 'D', elsewhere.path_of("第二卷\\上.txt"));
  open_or_append(writing, 'F', elsewhere.path_of("第二卷\\下.txt"));
  EXPECT_EQ(writing.edit.text(), "上篇\r\n下篇");
  verbrook::save_as(writing, elsewhere.path_of("第二卷\\全.txt"));
  EXPECT_EQ(elsewhere.read_file("第二卷\\全.txt"), "上篇\r\n下篇");
  // Nothing to save now: the exit asks only whether to exit.
  verbrook::close_and_confirm(writing);
}

}  // namespace
