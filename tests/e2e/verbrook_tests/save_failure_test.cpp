// A save that cannot be written: the writer is told which file, the document
// stays as it is, and the file on disk keeps what it held.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "driver/paths.h"
#include "driver/text.h"
#include "verbrook.h"

namespace {

using namespace e2e;
using verbrook::answer;
using verbrook::type_and_wait;

// A file held open by another program that lets nobody else write it.
class HeldOpenFile {
 public:
  explicit HeldOpenFile(const std::filesystem::path& path)
      : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot hold " + readable(path.wstring()) + " open");
  }
  ~HeldOpenFile() { CloseHandle(handle_); }
  HeldOpenFile(const HeldOpenFile&) = delete;
  HeldOpenFile& operator=(const HeldOpenFile&) = delete;

 private:
  HANDLE handle_;
};

void expect_save_failed(const App& app, std::string_view file_name) {
  const std::string text = verbrook::save_failed_text(file_name);
  answer(app, {verbrook::kSaveFailedCaption, text, verbrook::Buttons::Ok}, IDOK);
}

TEST(SaveFailure, AFileHeldOpenElsewhereIsNamedAndKeepsItsContent) {
  const Folder folder = Folder::fresh();
  folder.write_file("锁.txt", "旧内容");
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "新内容", "新内容");
  {
    const HeldOpenFile held(folder.native() / L"锁.txt");
    writing.app.press(ctrl('S'));
    verbrook::choose_file_to_replace(writing.app, "锁.txt");
    expect_save_failed(writing.app, folder.path_of("锁.txt"));
    verbrook::expect_no_question(writing.app);  // no success message follows
  }
  EXPECT_EQ(writing.edit.text(), "新内容");
  EXPECT_EQ(folder.read_file("锁.txt"), "旧内容");
}

TEST(SaveFailure, NewKeepsTheTextWhenTheSaveFailed) {
  const Folder folder = Folder::fresh();
  folder.write_file("锁.txt", "旧内容");
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "新内容", "新内容");
  const HeldOpenFile held(folder.native() / L"锁.txt");
  writing.app.press(ctrl('A'));
  answer(writing.app, verbrook::kSaveQuestion, IDYES);
  verbrook::choose_file_to_replace(writing.app, "锁.txt");
  expect_save_failed(writing.app, folder.path_of("锁.txt"));
  verbrook::expect_no_question(writing.app);
  EXPECT_EQ(writing.edit.text(), "新内容");
}

// A folder that the Linux side has made read-only (a read-only bind mount:
// as root, Wine would otherwise write anywhere); ctest's
// e2e_verbrook_read_only_folder prepares it with 旧.txt inside and names it
// in VERBROOK_READ_ONLY_FOLDER. In the ordinary run this is skipped.
TEST(SaveFailure, AReadOnlyFolderIsNamedAndItsFileKeepsItsContent) {
  const char* linux_folder = std::getenv("VERBROOK_READ_ONLY_FOLDER");
  if (!linux_folder) GTEST_SKIP() << "needs the read-only folder of ctest's e2e_verbrook_read_only_folder";
  const std::filesystem::path read_only = from_linux_path(linux_folder);
  const std::string old_file = gbk((read_only / L"旧.txt").wstring());
  const std::string new_file = gbk((read_only / L"新.txt").wstring());

  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "新内容", "新内容");
  writing.app.press(ctrl('S'));
  verbrook::choose_file_to_replace(writing.app, old_file);
  expect_save_failed(writing.app, old_file);
  writing.app.press(ctrl('S'));
  verbrook::choose_file(writing.app, new_file);
  expect_save_failed(writing.app, new_file);
  verbrook::expect_no_question(writing.app);

  EXPECT_EQ(writing.edit.text(), "新内容");
  std::ifstream file(read_only / L"旧.txt", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "旧内容");
  EXPECT_FALSE(std::filesystem::exists(read_only / L"新.txt"));
}

}  // namespace
