#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "host/services/encoding_win.h"
#include "host/services/files.h"
#include "support/temp_folder.h"

namespace host {
namespace {

using test_support::file_text;
using test_support::put_file;
using test_support::TempFolder;

constexpr std::string_view kNiHaoTxt = "你好.txt";
constexpr std::string_view kWenDang = "文档";

std::span<const std::uint8_t> bytes_of(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::wstring module_path() {
  wchar_t path[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  return path;
}

// Another process (this test program, running only the holder test below)
// keeps a file open with the given sharing until it is let go.
class HeldByAnotherProcess {
 public:
  HeldByAnotherProcess(const std::wstring& path, DWORD share) {
    static int counter = 0;
    const std::wstring tag = std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
    ready_ = CreateEventW(nullptr, TRUE, FALSE, (L"verbrook-ready-" + tag).c_str());
    release_ = CreateEventW(nullptr, TRUE, FALSE, (L"verbrook-release-" + tag).c_str());
    SetEnvironmentVariableW(L"VERBROOK_HOLD_FILE", path.c_str());
    SetEnvironmentVariableW(L"VERBROOK_HOLD_SHARE", std::to_wstring(share).c_str());
    SetEnvironmentVariableW(L"VERBROOK_HOLD_TAG", tag.c_str());
    std::wstring command =
        L"\"" + module_path() + L"\" --gtest_also_run_disabled_tests --gtest_filter=HoldOpen.DISABLED_Holder";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      CloseHandle(process.hThread);
      process_ = process.hProcess;
    }
    SetEnvironmentVariableW(L"VERBROOK_HOLD_FILE", nullptr);
    // Ready, or the holder ended early; either way no longer than 30 s.
    const HANDLE waits[] = {ready_, process_};
    holding_ = process_ != nullptr && WaitForMultipleObjects(2, waits, FALSE, 30000) == WAIT_OBJECT_0;
  }
  HeldByAnotherProcess(const HeldByAnotherProcess&) = delete;
  HeldByAnotherProcess& operator=(const HeldByAnotherProcess&) = delete;
  ~HeldByAnotherProcess() {
    SetEvent(release_);
    if (process_ != nullptr) {
      WaitForSingleObject(process_, 30000);
      CloseHandle(process_);
    }
    CloseHandle(ready_);
    CloseHandle(release_);
  }

  bool holding() const { return holding_; }

 private:
  HANDLE ready_ = nullptr;
  HANDLE release_ = nullptr;
  HANDLE process_ = nullptr;
  bool holding_ = false;
};

TEST(HoldOpen, DISABLED_Holder) {
  wchar_t path[MAX_PATH * 4] = {}, share[16] = {}, tag[64] = {};
  if (!GetEnvironmentVariableW(L"VERBROOK_HOLD_FILE", path, MAX_PATH * 4)) GTEST_SKIP() << "run by HeldByAnotherProcess";
  GetEnvironmentVariableW(L"VERBROOK_HOLD_SHARE", share, 16);
  GetEnvironmentVariableW(L"VERBROOK_HOLD_TAG", tag, 64);
  const HANDLE file = CreateFileW(path, GENERIC_READ, std::stoul(share), nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  const HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, (std::wstring(L"verbrook-ready-") + tag).c_str());
  const HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, (std::wstring(L"verbrook-release-") + tag).c_str());
  SetEvent(ready);
  WaitForSingleObject(release, 30000);
  CloseHandle(file);
  CloseHandle(ready);
  CloseHandle(release);
}

TEST(ProgramDirectory, IsTheFolderOfTheProgramWithoutBackslash) {
  const Text folder = program_directory();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  const std::wstring expected = module_path().substr(0, module_path().rfind(L'\\'));
  EXPECT_EQ(gb18030_to_wide(folder), expected);
}

TEST(ReadFile, MissingAndZeroByteFiles) {
  TempFolder folder;
  EXPECT_EQ(read_whole_file(folder.path_of("missing.txt")), Bytes());
  EXPECT_EQ(read_whole_file(folder.path_of("no folder\\missing.txt")), Bytes());
  put_file(folder.path_of("empty.txt"), "");
  EXPECT_EQ(read_whole_file(folder.path_of("empty.txt")), Bytes());
  EXPECT_EQ(read_whole_file(folder.path_of("")), std::nullopt);  // a folder
  EXPECT_FALSE(is_readable_file(folder.path_of("missing.txt")));
  EXPECT_TRUE(is_readable_file(folder.path_of("empty.txt")));
  EXPECT_FALSE(is_readable_file(folder.path_of("")));
}

// Reading denies other writers, so it cannot read a file being written.
TEST(ReadFile, FailsWhileAnotherProgramWrites) {
  TempFolder folder;
  const std::wstring path = folder.native_file("doc.txt").wstring();
  put_file(folder.path_of("doc.txt"), "text");
  const HANDLE writer =
      CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(read_whole_file(folder.path_of("doc.txt")), std::nullopt);
  EXPECT_TRUE(read_file(folder.path_of("doc.txt")).empty());
  EXPECT_FALSE(is_readable_file(folder.path_of("doc.txt")));
  CloseHandle(writer);
  EXPECT_TRUE(is_readable_file(folder.path_of("doc.txt")));
  EXPECT_EQ(read_file(folder.path_of("doc.txt")), (Bytes{'t', 'e', 'x', 't'}));
}

TEST(WriteFile, FiftyMegabytesRoundTrip) {
  TempFolder folder;
  std::string big(50 << 20, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  ASSERT_TRUE(write_file(folder.path_of("big.bin"), bytes_of(big)));
  const Bytes read_back = read_file(folder.path_of("big.bin"));
  ASSERT_EQ(read_back.size(), big.size());
  EXPECT_TRUE(std::equal(read_back.begin(), read_back.end(), big.begin(), big.end(),
                         [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }));
}

TEST(WriteFile, ChineseFolderAndFileNames) {
  TempFolder folder(kWenDang);
  ASSERT_TRUE(write_file(folder.path_of(kNiHaoTxt), bytes_of("你好\r\n")));
  EXPECT_EQ(file_text(folder.path_of(kNiHaoTxt)), "\xc4\xe3\xba\xc3\r\n");  // GBK bytes
  // The name on the disk is the Unicode one, not code page 1252 mojibake.
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(folder.native_file("*.txt").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  EXPECT_EQ(std::wstring(found.cFileName), L"\u4f60\u597d.txt");
  EXPECT_EQ(read_file(folder.path_of(kNiHaoTxt)).size(), 6u);
}

TEST(WriteFile, ReplacesWholeAndLeavesNoTemporaryFile) {
  TempFolder folder;
  put_file(folder.path_of("doc.txt"), "old content, longer than the new");
  const std::span<const std::uint8_t> parts[] = {bytes_of("new"), bytes_of(""), bytes_of(" text")};
  ASSERT_TRUE(write_file(folder.path_of("doc.txt"), parts));
  EXPECT_EQ(file_text(folder.path_of("doc.txt")), "new text");
  ASSERT_TRUE(write_file(folder.path_of("doc.txt"), bytes_of("")));
  EXPECT_EQ(file_text(folder.path_of("doc.txt")), "");
  EXPECT_EQ(folder.entry_count(), 1u);
}

// While the file is saved again and again, someone looking at the folder
// always finds a whole version: under its name or, in the instant the new
// file is swapped in, under the backup name the old one is moved to first.
// A look is three steps; one that a save ends in the middle of can miss the
// old backup going and the next save's swap starting, so it proves nothing.
TEST(WriteFile, AWholeVersionIsAlwaysThereWhileItIsReplaced) {
  TempFolder folder;
  const std::wstring path = folder.native_file("doc.txt").wstring();
  const std::wstring backups = folder.native_file("doc.txt.verbrook-*.backup").wstring();
  const auto whole_backup = [&] {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(backups.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    const std::optional<std::string> text =
        file_text(wide_to_gb18030(folder.native_file("doc.txt").parent_path().wstring() + L"\\" + found.cFileName));
    return text == "odd" || text == "even" || text == "first";
  };
  put_file(folder.path_of("doc.txt"), "first");
  std::atomic<bool> saving{true};
  std::atomic<int> saves_ended{0}, looks{0}, missing{0};
  std::thread watcher([&] {
    while (saving) {
      const int during = saves_ended;
      const bool none = GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES && !whole_backup() &&
                        GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
      if (saves_ended != during) continue;
      if (none) ++missing;
      ++looks;
    }
  });
  int saved = 0;
  for (int i = 0; i < 200; ++i) {
    saved += write_file(folder.path_of("doc.txt"), bytes_of(i % 2 ? "odd" : "even")) ? 1 : 0;
    ++saves_ended;
  }
  saving = false;
  watcher.join();
  EXPECT_EQ(saved, 200);
  EXPECT_GT(looks, 200);
  EXPECT_EQ(missing, 0) << "of " << looks << " looks";
  EXPECT_EQ(file_text(folder.path_of("doc.txt")), "odd");
  EXPECT_EQ(folder.entry_count(), 1u);
}

TEST(WriteFile, EmptyNameFailsAndCreatesNothing) {
  TempFolder folder;
  EXPECT_FALSE(write_file("", bytes_of("x")));
  EXPECT_FALSE(write_file(folder.path_of("no folder\\doc.txt"), bytes_of("x")));
  EXPECT_FALSE(write_file(folder.path_of(""), bytes_of("x")));
  EXPECT_EQ(folder.entry_count(), 0u);
}

TEST(WriteFile, KeepsTheHiddenAttribute) {
  TempFolder folder;
  put_file(folder.path_of("doc.txt"), "old");
  SetFileAttributesW(folder.native_file("doc.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(write_file(folder.path_of("doc.txt"), bytes_of("new")));
  EXPECT_EQ(file_text(folder.path_of("doc.txt")), "new");
  EXPECT_NE(GetFileAttributesW(folder.native_file("doc.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST(WriteFile, ReadOnlyTargetStaysAsItWas) {
  TempFolder folder;
  const std::wstring path = folder.native_file("doc.txt").wstring();
  put_file(folder.path_of("doc.txt"), "old");
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(write_file(folder.path_of("doc.txt"), bytes_of("new")));
  EXPECT_EQ(file_text(folder.path_of("doc.txt")), "old");
  EXPECT_EQ(folder.entry_count(), 1u);
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A write that fails half-way (here: the system refuses to read an
// inaccessible buffer, as it would refuse a full disk) leaves the old file
// and no temporary file. The temporary file is still open at that point and
// must be closed before it can be deleted.
TEST(WriteFile, FailureHalfWayLeavesTheOldFile) {
  TempFolder folder;
  put_file(folder.path_of("doc.txt"), "old");
  const auto* inaccessible = reinterpret_cast<const std::uint8_t*>(std::uintptr_t{0x10});
  const std::span<const std::uint8_t> parts[] = {bytes_of("new"), {inaccessible, 4096}};
  EXPECT_FALSE(write_file(folder.path_of("doc.txt"), parts));
  EXPECT_EQ(file_text(folder.path_of("doc.txt")), "old");
  EXPECT_EQ(folder.entry_count(), 1u);
}

// A file with a second name is rewritten in place, so both names show the new
// content, also after a write that failed half-way put the old one back; the
// backup copy made first is gone either way.
TEST(WriteFile, AHardLinkKeepsBothNames) {
  TempFolder folder;
  put_file(folder.path_of("doc.txt"), "old");
  ASSERT_TRUE(CreateHardLinkW(folder.native_file("link.txt").c_str(), folder.native_file("doc.txt").c_str(), nullptr));
  ASSERT_TRUE(write_file(folder.path_of("link.txt"), bytes_of("new text")));
  EXPECT_EQ(file_text(folder.path_of("doc.txt")), "new text");
  const auto* inaccessible = reinterpret_cast<const std::uint8_t*>(std::uintptr_t{0x10});
  const std::span<const std::uint8_t> parts[] = {bytes_of("newer"), {inaccessible, 4096}};
  EXPECT_FALSE(write_file(folder.path_of("doc.txt"), parts));
  EXPECT_EQ(file_text(folder.path_of("link.txt")), "new text");
  EXPECT_EQ(folder.entry_count(), 2u);
}

// Only temporary files of the program's own whose writer is gone are removed
// by the next save into their folder.
TEST(WriteFile, RemovesTemporaryFilesThatAKilledSaveLeft) {
  TempFolder folder;
  const std::string own = ".verbrook-" + std::to_string(GetCurrentProcessId()) + "-7.tmp";
  // Not proven stale: not quite the program's name, another program's, a
  // living writer's, and one whose target is missing.
  const std::string kept[] = {"doc.txt.verbrook-4294967292-x.tmp", "notes.tmp", "doc.txt" + own,
                              "gone.txt.verbrook-4294967292-1.tmp"};
  for (const std::string& name : kept) put_file(folder.path_of(name), "keep");
  put_file(folder.path_of("doc.txt.verbrook-4294967292-3.tmp"), "stale");
  put_file(folder.path_of("旧.txt"), "");
  put_file(folder.path_of("旧.txt.verbrook-4294967288-0.tmp"), "stale");
  ASSERT_TRUE(write_file(folder.path_of("doc.txt"), bytes_of("new")));
  EXPECT_EQ(folder.entry_count(), std::size(kept) + 2);
  for (const std::string& name : kept) EXPECT_EQ(file_text(folder.path_of(name)), "keep") << name;
}

// Another program reading the file without sharing it for writing: the write
// fails, the file keeps its content and no temporary file is left behind.
TEST(WriteFile, TargetHeldOpenByAnotherProcess) {
  for (const DWORD share : {DWORD{FILE_SHARE_READ}, DWORD{FILE_SHARE_READ | FILE_SHARE_DELETE}}) {
    TempFolder folder;
    const std::wstring path = folder.native_file("doc.txt").wstring();
    put_file(folder.path_of("doc.txt"), "old");
    {
      const HeldByAnotherProcess holder(path, share);
      ASSERT_TRUE(holder.holding());
      EXPECT_FALSE(write_file(folder.path_of("doc.txt"), bytes_of("new"))) << share;
      EXPECT_EQ(file_text(folder.path_of("doc.txt")), "old");
    }
    EXPECT_EQ(folder.entry_count(), 1u);
    EXPECT_TRUE(write_file(folder.path_of("doc.txt"), bytes_of("new")));
    EXPECT_EQ(file_text(folder.path_of("doc.txt")), "new");
  }
}

}  // namespace
}  // namespace host
