// The common dialog unit's open, save and font dialogs, confirmed and
// cancelled by a watcher thread the way a writer would, and the properties
// they leave behind.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include "dialog_driver.h"
#include "host/services/encoding_win.h"
#include "host/unit_services/common_dialog_win.h"
#include "host_test_support.h"
#include "support/temp_folder.h"

namespace host::testing {
namespace {

using test_support::put_file;
using test_support::TempFolder;
namespace dialog = prop::dialog;

// The main window shown with the edit box focused, and a folder of its own.
class CommonDialog : public MainWindowShown {
 protected:
  void SetUp() override {
    MainWindowShown::SetUp();
    if (HasFatalFailure()) return;
    set(dialog::kInitialDir, folder_name());
  }

  // The dialogs may make the folder they showed the current directory, which
  // would keep it from being removed.
  void TearDown() override { SetCurrentDirectoryW(working_directory.c_str()); }

  void set(int index, const Value& value) { host.write_property(form::kMain, unit::kCommonDialog, index, -1, value); }
  Value get(int index) { return host.read_property(form::kMain, unit::kCommonDialog, index); }
  Text text(int index) { return to_text(get(index)); }
  std::int32_t number(int index) { return to_integer(get(index)); }
  Text folder_name() { return folder.path(); }

  bool open(int kind) {
    set(dialog::kDialogKind, kind);
    return host.open_common_dialog(units::kCommonDialog);
  }

  // The edit box has the focus again once the dialog has gone.
  void expect_focus_back() {
    EXPECT_TRUE(pump_until(host.runtime(), [&] { return GetFocus() == edit; }));
    EXPECT_GE(recorder.count(HandlerId::EditGotFocus), 1);
  }

  const std::wstring working_directory = [] {
    wchar_t path[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, path);
    return std::wstring(path);
  }();
  TempFolder folder{"\xb2\xe2\xca\xd4"};  // 测试
};

TEST_F(CommonDialog, OpenTakesAChineseFileNameFromAChineseFolder) {
  put_file(folder.path_of("\xd6\xd0\xce\xc4.txt"), "x");  // 中文.txt
  HWND owner = nullptr;
  std::wstring filter;
  DialogWatcher watcher([&](HWND box) {
    ASSERT_TRUE(box);
    owner = GetWindow(box, GW_OWNER);
    filter = control_text(box, cmb1);
    set_control_text(box, cmb13, L"中文.txt");
    press(box, IDOK);
  });
  EXPECT_TRUE(open(dialog::kKindOpen));
  EXPECT_EQ(owner, main);  // modal to the main window
  EXPECT_EQ(filter, L"文本文件 (*.txt)");
  EXPECT_EQ(text(dialog::kFileName), folder.path_of("\xd6\xd0\xce\xc4.txt"));
  expect_focus_back();
}

TEST_F(CommonDialog, ACancelledDialogLeavesEveryPropertyAsItWas) {
  set(dialog::kFileName, Text("\xbe\xc9.txt"));  // 旧.txt
  for (int kind : {dialog::kKindOpen, dialog::kKindSave, dialog::kKindFont}) {
    DialogWatcher watcher([](HWND box) {
      ASSERT_TRUE(box);
      press(box, IDCANCEL);
    });
    EXPECT_FALSE(open(kind)) << kind;
    EXPECT_EQ(text(dialog::kFileName), "\xbe\xc9.txt") << kind;
    EXPECT_EQ(text(dialog::kFontName), "") << kind;
    EXPECT_EQ(number(dialog::kFontSize), 0) << kind;
    EXPECT_EQ(number(dialog::kFontColor), 0) << kind;
  }
}

TEST_F(CommonDialog, SaveAddsTheDefaultExtensionAndShowsTheTitle) {
  set(dialog::kTitle, Text("\xb1\xa3\xb4\xe6"));  // 保存
  std::wstring title;
  DialogWatcher watcher([&](HWND box) {
    ASSERT_TRUE(box);
    wchar_t caption[64] = {};
    GetWindowTextW(box, caption, 64);
    title = caption;
    set_control_text(box, cmb13, L"新文档");
    press(box, IDOK);
  });
  EXPECT_TRUE(open(dialog::kKindSave));  // a new name, although FileMustExist is set
  EXPECT_EQ(title, L"保存");
  EXPECT_EQ(text(dialog::kFileName), folder.path_of("\xd0\xc2\xce\xc4\xb5\xb5.txt"));  // 新文档.txt
}

TEST_F(CommonDialog, SavingOverAFileAsksFirst) {
  put_file(folder.path_of("a.txt"), "x");
  bool asked = false;
  DialogWatcher watcher([&](HWND box) {
    ASSERT_TRUE(box);
    set_control_text(box, cmb13, L"a.txt");
    press(box, IDOK);
    HWND question = wait_for_dialog_box(box);
    asked = question != nullptr;
    if (question) press(question, IDYES);
  });
  EXPECT_TRUE(open(dialog::kKindSave));
  EXPECT_TRUE(asked);
  EXPECT_EQ(text(dialog::kFileName), folder.path_of("a.txt"));
}

// A name with characters GBK lacks is taken, and its text names the same file.
TEST_F(CommonDialog, ANameOutsideGbkIsTakenWhole) {
  DialogWatcher watcher([&](HWND box) {
    ASSERT_TRUE(box);
    set_control_text(box, cmb13, L"\xD55C\xAE00\xD840\xDC00.txt");  // Hangul and U+20000
    press(box, IDOK);
  });
  EXPECT_TRUE(open(dialog::kKindSave));
  EXPECT_EQ(gb18030_to_wide(text(dialog::kFileName)), gb18030_to_wide(folder.path_of("")) + L"\xD55C\xAE00\xD840\xDC00.txt");
}

TEST_F(CommonDialog, FileDialogFlagsFollowTheProperties) {
  Unit& unit = host.runtime().unit_or_fatal(units::kCommonDialog);
  constexpr DWORD kAlways = OFN_EXPLORER | OFN_HIDEREADONLY;
  // The form's values: the file must exist when opening, never when saving.
  EXPECT_EQ(file_dialog_flags(unit, false), kAlways | OFN_FILEMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
  EXPECT_EQ(file_dialog_flags(unit, true), kAlways | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
  set(dialog::kCreatePrompt, true);
  set(dialog::kFileMustExist, false);
  set(dialog::kOverwritePrompt, false);
  set(dialog::kPathMustExist, false);
  set(dialog::kNoChangeDir, true);
  EXPECT_EQ(file_dialog_flags(unit, false), kAlways | OFN_CREATEPROMPT | OFN_NOCHANGEDIR);
}

TEST_F(CommonDialog, FontDialogStartsFromThePropertiesAndStoresTheChoice) {
  set(dialog::kFontName, Text("Tahoma"));
  set(dialog::kFontSize, std::int32_t{12});
  set(dialog::kBold, true);
  set(dialog::kUnderline, true);
  set(dialog::kFontColor, std::int32_t{0x000000FF});
  std::wstring face, size, colour;
  bool underline_checked = false, vertical_faces = false;
  DialogWatcher watcher([&](HWND box) {
    ASSERT_TRUE(box);
    face = control_text(box, cmb1);
    size = control_text(box, cmb3);
    colour = control_text(box, cmb4);
    underline_checked = IsDlgButtonChecked(box, chx2) == BST_CHECKED;
    HWND faces = GetDlgItem(box, cmb1);
    const auto count = SendMessageW(faces, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t name[LF_FACESIZE + 1] = {};
      if (SendMessageW(faces, CB_GETLBTEXTLEN, i, 0) <= LF_FACESIZE)
        SendMessageW(faces, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
      vertical_faces |= name[0] == L'@';
    }
    choose_in_list(box, cmb3, L"20");
    press(box, IDOK);
  });
  EXPECT_TRUE(open(dialog::kKindFont));
  EXPECT_EQ(face, L"Tahoma");
  EXPECT_EQ(size, L"12");
  EXPECT_EQ(colour, L"Red");  // Wine's name for the colour
  EXPECT_TRUE(underline_checked);
  EXPECT_FALSE(vertical_faces);
  EXPECT_EQ(text(dialog::kFontName), "Tahoma");
  EXPECT_EQ(number(dialog::kFontSize), 20);
  EXPECT_EQ(get(dialog::kBold), Value{true});
  EXPECT_EQ(get(dialog::kItalic), Value{false});
  EXPECT_EQ(get(dialog::kUnderline), Value{true});
  EXPECT_EQ(get(dialog::kStrikeOut), Value{false});
  EXPECT_EQ(number(dialog::kFontColor), 0x000000FF);
  expect_focus_back();
}

TEST_F(CommonDialog, TheHelpKindShowsNothing) {
  EXPECT_FALSE(open(dialog::kKindHelp));
  EXPECT_EQ(wait_for_dialog_box(nullptr, 100ms), nullptr);
}

}  // namespace
}  // namespace host::testing
