// The message loop's end, closing and destroying windows.
#include <gtest/gtest.h>

#include "host_test_support.h"

namespace host::testing {
namespace {

namespace tf = test_forms;

// Runs from a thread timer while the host's loop runs; true when done.
std::function<bool()> g_step;
void CALLBACK run_step(HWND, UINT, UINT_PTR timer, DWORD) {
  if (g_step()) KillTimer(nullptr, timer);
}

// Ends a loop that did not end by itself.
bool g_watchdog_fired = false;
void CALLBACK watchdog(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  g_watchdog_fired = true;
  PostQuitMessage(0);
}

// Runs the host's loop; true when it returned by itself within the limit.
bool loop_returns_by_itself(WinHost& host, std::chrono::milliseconds limit) {
  g_watchdog_fired = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(limit.count()), watchdog);
  host.run_message_loop();
  KillTimer(nullptr, timer);
  return !g_watchdog_fired;
}

class MessageLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    host.start_runtime(recorder.table());
    ASSERT_TRUE(host.load_window(tf::kPlainWindowARef, std::nullopt, false));
    ASSERT_TRUE(host.load_window(tf::kPlainWindowBRef, std::nullopt, false));
    a = handle_of(host, tf::kPlainWindowARef);
    b = handle_of(host, tf::kPlainWindowBRef);
  }
  void TearDown() override {
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  Recorder recorder;
  WinHost host{tf::all()};
  HWND a = nullptr;
  HWND b = nullptr;
};

TEST_F(MessageLoop, ClosingOneOfTwoWindowsKeepsTheLoopAndClosingTheLastEndsIt) {
  bool loop_kept_running = false;
  bool first_closed = false;
  g_step = [&] {
    if (!first_closed) {
      PostMessageW(a, WM_CLOSE, 0, 0);
      first_closed = true;
      return false;
    }
    if (IsWindow(a)) return false;
    loop_kept_running = true;  // still turning after the first window went
    PostMessageW(b, WM_CLOSE, 0, 0);
    return true;
  };
  SetTimer(nullptr, 0, 10, run_step);
  EXPECT_TRUE(loop_returns_by_itself(host, 10s));
  EXPECT_TRUE(loop_kept_running);
  EXPECT_FALSE(IsWindow(a));
  EXPECT_FALSE(IsWindow(b));
  EXPECT_EQ(recorder.count(tf::kQueryCloseA), 1);
  EXPECT_EQ(recorder.count(tf::kQueryCloseB), 1);
}

TEST_F(MessageLoop, AQueryCloseAnswerOfZeroKeepsTheWindow) {
  recorder.on(tf::kQueryCloseA, [](auto) { return HandlerResult{0}; });
  recorder.on(tf::kQueryCloseB, [](auto) { return HandlerResult{1}; });
  SendMessageW(a, WM_CLOSE, 0, 0);
  SendMessageW(b, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(a));
  EXPECT_FALSE(IsWindow(b));
  // The log-off query asks the same handler.
  EXPECT_EQ(SendMessageW(a, WM_QUERYENDSESSION, 0, 0), FALSE);
}

TEST_F(MessageLoop, TheLoopReturnsAtOnceWhenNoWindowIsLoaded) {
  DestroyWindow(a);
  DestroyWindow(b);
  EXPECT_TRUE(loop_returns_by_itself(host, 5s));
}

TEST_F(MessageLoop, AWindowIsDestroyedOnlyAfterTheRunningHandlerReturns) {
  bool alive_after_request = false;
  recorder.on(tf::kQueryCloseA, [&](auto) {
    host.destroy_unit(tf::kPlainWindowARef);
    alive_after_request = IsWindow(a) && host.runtime().loaded_form(tf::kPlainFormA) != nullptr;
    return HandlerResult{0};  // keeps it for now; the destruction request stands
  });
  SendMessageW(a, WM_CLOSE, 0, 0);
  EXPECT_TRUE(alive_after_request);
  ASSERT_TRUE(pump_until(host.runtime(), [&] { return !IsWindow(a); }));
  EXPECT_EQ(host.runtime().loaded_form(tf::kPlainFormA), nullptr);
  EXPECT_TRUE(IsWindow(b));
}

TEST(UnitDestruction, AControlGoesAtOnceAndLeavesItsForm) {
  Recorder recorder;
  WinHost host{tf::all()};
  host.start_runtime(recorder.table());
  ASSERT_TRUE(host.load_window(tf::kEditWindowRef, std::nullopt, false));
  HWND edit = handle_of(host, tf::kEditBoxRef);
  host.destroy_unit(tf::kEditBoxRef);
  EXPECT_FALSE(IsWindow(edit));
  EXPECT_EQ(host.runtime().loaded_form(tf::kEditForm)->find_unit(tf::kEditBox), nullptr);
  host.destroy_unit(tf::kEditBoxRef);  // again: nothing happens
  EXPECT_NE(host.runtime().loaded_form(tf::kEditForm), nullptr);
}

}  // namespace
}  // namespace host::testing
