// The services that work on windows, the clipboard and message boxes.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "host_test_support.h"

namespace host::testing {
namespace {

namespace tf = test_forms;

class WindowServices : public ::testing::Test {
 protected:
  void SetUp() override {
    host.start_runtime(recorder.table());
    ASSERT_TRUE(host.load_window(tf::kEditWindowRef, std::nullopt, false));
    window = handle_of(host, tf::kEditWindowRef);
    edit = handle_of(host, tf::kEditBoxRef);
  }

  Recorder recorder;
  WinHost host{tf::all()};
  HWND window = nullptr;
  HWND edit = nullptr;
};

TEST_F(WindowServices, HandlesAreTheUnitsWindows) {
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(GetParent(edit), window);
  EXPECT_EQ(host.window_handle(tf::kTimerRef), 0u);  // a timer has no window
}

TEST_F(WindowServices, AppendTextGoesToTheEndWhateverTheSelection) {
  SendMessageW(edit, EM_SETSEL, 0, 1);
  host.append_text(tf::kEditBoxRef, Text("  \xd6\xd0  "));
  EXPECT_EQ(to_text(host.read_property(tf::kEditForm, tf::kEditBox, prop::edit::kContent)), "abc  \xd6\xd0  ");
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 8u);  // the caret after the appended text
  EXPECT_EQ(end, 8u);
}

TEST_F(WindowServices, FocusGoesToTheUnit) {
  host.write_property(tf::kEditForm, tf::kEditWindow, prop::kVisible, -1, true);
  host.set_focus(tf::kEditWindowRef);
  EXPECT_EQ(GetFocus(), window);
  host.set_focus(tf::kEditBoxRef);
  EXPECT_EQ(GetFocus(), edit);
}

TEST_F(WindowServices, TransparencyMakesTheWindowLayeredAndNothingElse) {
  SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
  const struct {
    int alpha;
    BYTE expected;
  } cases[] = {{6, 6}, {0, 0}, {255, 255}, {256, 255}, {-1, 255}};
  for (const auto& c : cases) {
    host.set_window_transparency(reinterpret_cast<WindowHandle>(window), c.alpha);
    // The system keeps its own edge bit for a framed window.
    EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, WS_EX_LAYERED) << c.alpha;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, c.expected) << c.alpha;
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
  }
}

TEST_F(WindowServices, ClipboardTextTravelsAsUnicode) {
  ASSERT_TRUE(host.set_clipboard_text(Text("\xd6\xd0\xce\xc4 ok")));  // 中文 ok
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(GlobalLock(data))), L"中文 ok");
  GlobalUnlock(data);
  CloseClipboard();
  EXPECT_EQ(host.clipboard_text(), "\xd6\xd0\xce\xc4 ok");

  // Text another program put there as Unicode comes back as GBK.
  const wchar_t other[] = L"别的程序";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof other);
  std::memcpy(GlobalLock(memory), other, sizeof other);
  GlobalUnlock(memory);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  EXPECT_EQ(host.clipboard_text(), "\xb1\xf0\xb5\xc4\xb3\xcc\xd0\xf2");

  ASSERT_TRUE(host.set_clipboard_text(Text()));
  EXPECT_EQ(host.clipboard_text(), "");
}

TEST_F(WindowServices, ClipboardWithoutTextGivesEmptyText) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_EQ(host.clipboard_text(), "");
}

// Finds this process's message box and presses one of its buttons.
struct BoxSeen {
  std::wstring caption;
  std::wstring text;
};

BoxSeen press_in_message_box(int button) {
  BoxSeen seen;
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (std::chrono::steady_clock::now() < deadline) {
    HWND box = find_message_box(GetCurrentProcessId());
    if (box) {
      seen.caption = window_text_of(box);
      seen.text = window_text_of(GetDlgItem(box, 0xFFFF));
      PostMessageW(box, WM_COMMAND, button, 0);
      return seen;
    }
    Sleep(20);  // polling another thread's window until the deadline
  }
  return seen;
}

TEST(MessageBoxService, ReturnsTheButtonMinusOneAndShowsTheDefaultCaption) {
  WinHost host{test_forms::all()};
  for (const auto& [button, expected] : {std::pair{IDYES, 5}, std::pair{IDNO, 6}}) {
    BoxSeen seen;
    std::thread presser([&seen, button] { seen = press_in_message_box(button); });
    const int result = host.message_box(Text("\xc7\xeb\xd1\xa1\xd4\xf1"), message_box::kYesNo);  // 请选择
    presser.join();
    EXPECT_EQ(result, expected);
    EXPECT_EQ(seen.caption, L"信息：");
    EXPECT_EQ(seen.text, L"请选择");
  }
}

// The one-key hide and show, made of the services and properties the
// application uses, on the real main window.
TEST(MainWindowServices, HideAndShowAgain) {
  Recorder recorder;
  WinHost host;
  host.start_runtime(recorder.table());
  ASSERT_TRUE(host.load_window(units::kMainWindow, std::nullopt, false));
  host.write_property(form::kMain, unit::kMainWindow, prop::kVisible, -1, true);
  HWND main = handle_of(host, units::kMainWindow);
  HWND edit = handle_of(host, units::kEditBox);
  ASSERT_TRUE(pump_until(host.runtime(), [&] { return GetFocus() == edit; }));
  const auto alpha_of = [&] {
    BYTE alpha = 0;
    GetLayeredWindowAttributes(main, nullptr, &alpha, nullptr);
    return alpha;
  };

  host.write_property(form::kMain, unit::kEditBox, prop::kDisabled, -1, true);
  host.set_focus(units::kMainWindow);
  host.write_property(form::kMain, unit::kMainWindow, prop::window::kAlwaysOnTop, -1, true);
  host.set_window_transparency(host.window_handle(units::kMainWindow), 6);
  EXPECT_EQ(GetWindowLongW(main, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TOPMOST), WS_EX_LAYERED | WS_EX_TOPMOST);
  EXPECT_EQ(alpha_of(), 6);
  EXPECT_EQ(GetFocus(), main);
  EXPECT_FALSE(IsWindowEnabled(edit));

  host.set_window_transparency(host.window_handle(units::kMainWindow), 255);
  host.write_property(form::kMain, unit::kMainWindow, prop::window::kAlwaysOnTop, -1, false);
  host.write_property(form::kMain, unit::kEditBox, prop::kDisabled, -1, false);
  host.set_focus(units::kEditBox);
  EXPECT_EQ(GetWindowLongW(main, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TOPMOST), WS_EX_LAYERED);
  EXPECT_EQ(alpha_of(), 255);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(recorder.count(HandlerId::EditGotFocus), 2);  // at the first showing and now
}

}  // namespace
}  // namespace host::testing
