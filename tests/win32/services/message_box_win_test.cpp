// The message box as the writer meets it: after it closes, the window that
// was active before is active again, so typing goes on where it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "host/services/message_box.h"

namespace host {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kClassName[] = L"VerbrookMessageBoxTestWindow";

class TestWindow {
 public:
  TestWindow() {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = kClassName;
    RegisterClassW(&window_class);
    handle_ = CreateWindowExW(0, kClassName, L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~TestWindow() { DestroyWindow(handle_); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND get() const { return handle_; }

 private:
  HWND handle_;
};

// Runs the thread's messages until the condition holds or a deadline passes.
bool pump_until(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// Presses OK on the message box of this thread once it shows.
void CALLBACK press_ok(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowW(L"#32770", L"测试：");
  if (!box || GetWindowThreadProcessId(box, nullptr) != GetCurrentThreadId()) return;
  KillTimer(nullptr, timer);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(MessageBoxService, GivesTheActivationBackToTheWindowThatHadIt) {
  const TestWindow window;
  SetForegroundWindow(window.get());
  ASSERT_TRUE(pump_until([&] { return GetForegroundWindow() == window.get(); }));
  SetTimer(nullptr, 0, 20, press_ok);
  EXPECT_EQ(show_message_box("你好", 0, "测试："), 0);
  EXPECT_EQ(GetActiveWindow(), window.get());
  EXPECT_TRUE(pump_until([&] { return GetForegroundWindow() == window.get(); }));
}

}  // namespace
}  // namespace host
