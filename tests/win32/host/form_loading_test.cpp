// Loading forms into real windows: geometry, styles, the events delivered
// while loading and the modal loading of a window.
#include <gtest/gtest.h>

#include "host_test_support.h"

namespace host::testing {
namespace {

namespace tf = test_forms;

class FormLoading : public ::testing::Test {
 protected:
  void SetUp() override { host.start_runtime(recorder.table()); }

  Recorder recorder;
  WinHost host{tf::all()};
};

TEST(StartupForm, IsCentredFixedAndOffTheTaskbar) {
  Recorder recorder;
  WinHost host;
  host.start_runtime(recorder.table());
  host.load_start_window(form::kStartup);
  HWND window = handle_of(host, units::kStartupWindow);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_TRUE(IsWindowVisible(window));

  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 495) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 354) / 2);
  EXPECT_EQ(rect.right - rect.left, 495);
  EXPECT_EQ(rect.bottom - rect.top, 354);
  EXPECT_EQ(to_integer(host.read_property(form::kStartup, unit::kStartupWindow, prop::kWidth)), 495);

  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
  // Kept off the taskbar by a hidden owner.
  HWND owner = GetWindow(window, GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_FALSE(IsWindowVisible(owner));

  // Created before the first tick of its 50 ms timer.
  ASSERT_TRUE(pump_until(host.runtime(), [&] { return recorder.count(HandlerId::SplashTick) >= 2; }));
  EXPECT_EQ(recorder.slots().front(), HandlerId::StartupCreated);
  EXPECT_EQ(recorder.count(HandlerId::StartupCreated), 1);
}

TEST(MainForm, SizeChangedRunsBeforeTheFirstShowingWithTheDesignedGeometry) {
  Recorder recorder;
  WinHost host;
  struct Seen {
    std::int32_t left, width, height;
    bool visible;
    std::int32_t edit_width;
  };
  std::vector<Seen> seen;
  recorder.on(HandlerId::MainSizeChanged, [&](auto) {
    const auto read = [&](const UnitRef& unit, int index) {
      return to_integer(host.read_property(unit.form, unit.unit, index));
    };
    seen.push_back({read(units::kMainWindow, prop::kLeft), read(units::kMainWindow, prop::kWidth),
                    read(units::kMainWindow, prop::kHeight), read(units::kMainWindow, prop::kVisible) != 0,
                    read(units::kEditBox, prop::kWidth)});
    // What the application does here: the edit box follows the window.
    host.write_property(form::kMain, unit::kEditBox, prop::kWidth, -1, seen.back().width - 10);
    return HandlerResult{};
  });
  host.start_runtime(recorder.table());
  host.load_start_window(form::kStartup);
  ASSERT_TRUE(host.load_window(units::kMainWindow, std::nullopt, false));

  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].left, (GetSystemMetrics(SM_CXSCREEN) - 560) / 2);
  EXPECT_EQ(seen[0].width, 560);
  EXPECT_EQ(seen[0].height, 620);
  EXPECT_FALSE(seen[0].visible);
  EXPECT_EQ(seen[0].edit_width, 550);  // as designed until the handler resized it
  HWND main = handle_of(host, units::kMainWindow);
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_EQ(to_integer(host.read_property(form::kMain, unit::kEditBox, prop::kWidth)), 550);

  host.write_property(form::kMain, unit::kMainWindow, prop::kVisible, -1, true);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_NE(GetMenu(main), nullptr);
  // The resizable main window has every box.
  const LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_SYSMENU),
            WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_SYSMENU);
  // Its hidden units exist: the picker as a hidden child window, the dialog
  // without one.
  HWND picker = handle_of(host, units::kColorPicker);
  EXPECT_TRUE(IsWindow(picker));
  EXPECT_EQ(GetParent(picker), main);
  EXPECT_FALSE(IsWindowVisible(picker));
  EXPECT_EQ(handle_of(host, units::kCommonDialog), nullptr);
}

TEST_F(FormLoading, CreatedMovedAndSizeChangedComeInOrderAndNothingWhileBuilding) {
  ASSERT_TRUE(host.load_window(tf::kEditWindowRef, std::nullopt, false));
  // Creating the popup window sends it size and move messages and the edit
  // box gets its text; none of that reached a handler.
  EXPECT_EQ(recorder.slots(), (std::vector{tf::kCreated, tf::kMoved, tf::kSizeChanged}));
  EXPECT_EQ(to_text(host.read_property(tf::kEditForm, tf::kEditBox, prop::edit::kContent)), "abc");

  // Once built, the edit box's changes are events.
  host.append_text(tf::kEditBoxRef, Text("d"));
  EXPECT_EQ(recorder.count(tf::kEditChanged), 1);

  host.write_property(tf::kEditForm, tf::kEditWindow, prop::kVisible, -1, true);
  EXPECT_EQ(recorder.count(tf::kShown), 1);
}

TEST_F(FormLoading, LoadingALoadedFormOnlyBringsItForward) {
  ASSERT_TRUE(host.load_window(tf::kEditWindowRef, std::nullopt, false));
  HWND window = handle_of(host, tf::kEditWindowRef);
  recorder.clear();
  ASSERT_TRUE(host.load_window(tf::kEditWindowRef, std::nullopt, false));
  EXPECT_EQ(handle_of(host, tf::kEditWindowRef), window);
  EXPECT_EQ(recorder.count(tf::kCreated), 0);
}

TEST_F(FormLoading, AParentThatIsNotLoadedFailsTheLoad) {
  EXPECT_FALSE(host.load_window(tf::kEditWindowRef, tf::kPlainWindowARef, false));
  EXPECT_EQ(host.runtime().loaded_form(tf::kEditForm), nullptr);
  EXPECT_FALSE(host.load_window({0x52000999, 0x06000999, unit_type::kWindow}, std::nullopt, false));
}

TEST_F(FormLoading, AParentOwnsTheLoadedWindow) {
  ASSERT_TRUE(host.load_window(tf::kPlainWindowARef, std::nullopt, false));
  ASSERT_TRUE(host.load_window(tf::kEditWindowRef, tf::kPlainWindowARef, false));
  EXPECT_EQ(GetWindow(handle_of(host, tf::kEditWindowRef), GW_OWNER), handle_of(host, tf::kPlainWindowARef));
}

// The check that runs inside the modal loop, from a thread timer.
std::function<void()> g_inside_modal_loop;
void CALLBACK run_inside_modal_loop(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  g_inside_modal_loop();
}

TEST_F(FormLoading, AModalWindowRunsItsLoopAndDisablesTheOthersMeanwhile) {
  ASSERT_TRUE(host.load_window(tf::kPlainWindowARef, std::nullopt, false));
  HWND other = handle_of(host, tf::kPlainWindowARef);
  bool other_was_disabled = false;
  bool ran = false;
  g_inside_modal_loop = [&] {
    ran = true;
    HWND modal = handle_of(host, tf::kPlainWindowBRef);
    other_was_disabled = !IsWindowEnabled(other) && IsWindowEnabled(modal) && IsWindowVisible(modal);
    PostMessageW(modal, WM_CLOSE, 0, 0);
  };
  SetTimer(nullptr, 0, 10, run_inside_modal_loop);
  // Returns once the modal window has closed.
  ASSERT_TRUE(host.load_window(tf::kPlainWindowBRef, std::nullopt, true));
  EXPECT_TRUE(ran);
  EXPECT_TRUE(other_was_disabled);
  EXPECT_EQ(host.runtime().loaded_form(tf::kPlainFormB), nullptr);
  EXPECT_TRUE(IsWindowEnabled(other));  // enabled again when the modal window went
}

TEST_F(FormLoading, ShowingAModalWindowAgainStartsNoSecondLoop) {
  // Loaded hidden: the load returns at once; the first showing runs the loop.
  ASSERT_TRUE(host.load_window(tf::kEditWindowRef, std::nullopt, true));
  int loops_inside = 0;
  g_inside_modal_loop = [&] {
    // A second showing from inside the loop must return at once.
    host.write_property(tf::kEditForm, tf::kEditWindow, prop::kVisible, -1, true);
    ++loops_inside;
    PostMessageW(handle_of(host, tf::kEditWindowRef), WM_CLOSE, 0, 0);
  };
  SetTimer(nullptr, 0, 10, run_inside_modal_loop);
  host.write_property(tf::kEditForm, tf::kEditWindow, prop::kVisible, -1, true);
  EXPECT_EQ(loops_inside, 1);
  EXPECT_EQ(host.runtime().loaded_form(tf::kEditForm), nullptr);
}

}  // namespace
}  // namespace host::testing
