// Keys and mouse messages through the host's own loop: shortcuts before the
// focused control, the navigation keys, and the units' input events with their
// arguments and answers.
#include <gtest/gtest.h>

#include "host_test_support.h"

namespace host::testing {
namespace {

namespace tf = test_forms;

// The main window as the writer meets it, with "hello" in the edit box.
class MainWindowKeys : public MainWindowShown {
 protected:
  void SetUp() override {
    MainWindowShown::SetUp();
    if (HasFatalFailure()) return;
    host.write_property(form::kMain, unit::kEditBox, prop::edit::kContent, -1, Text("hello"));
    host.write_property(form::kMain, unit::kEditBox, prop::edit::kSelStart, -1, std::int32_t{2});
    recorder.clear();
  }

  std::int32_t edit_property(int index) {
    return to_integer(host.read_property(form::kMain, unit::kEditBox, index));
  }

};

TEST_F(MainWindowKeys, EscInTheEditBoxReachesOnlyTheEditBox) {
  // A Tab first: asking the edit box about it must not turn it into a dialog
  // control, which would close the window on Esc.
  post_key_down(edit, VK_TAB);
  post_key_down(edit, VK_ESCAPE);
  ASSERT_TRUE(pump_until(host.runtime(), [&] { return recorder.count(HandlerId::EditKeyDown) == 2; }));
  pump_pending(host.runtime());
  EXPECT_EQ(recorder.last_arguments(HandlerId::EditKeyDown), (std::vector<std::int32_t>{27, 0}));
  EXPECT_EQ(recorder.count(HandlerId::MainKeyDown), 0);
  EXPECT_TRUE(IsWindow(main));  // the main window does not close on Esc
}

TEST_F(MainWindowKeys, EscReachesTheMainWindowWhenTheEditBoxIsDisabled) {
  host.write_property(form::kMain, unit::kEditBox, prop::kDisabled, -1, true);
  host.set_focus(units::kMainWindow);
  ASSERT_EQ(GetFocus(), main);
  recorder.clear();
  post_key_down(main, VK_ESCAPE);
  ASSERT_TRUE(pump_until(host.runtime(), [&] { return recorder.count(HandlerId::MainKeyDown) == 1; }));
  pump_pending(host.runtime());
  EXPECT_EQ(recorder.count(HandlerId::EditKeyDown), 0);
  EXPECT_EQ(recorder.last_arguments(HandlerId::MainKeyDown), (std::vector<std::int32_t>{27, 0}));
}

TEST_F(MainWindowKeys, ShortcutsRunTheirMenuCommandsAndNeverReachTheEditBox) {
  struct Case {
    UINT key;
    bool ctrl;
    HandlerId command;
  };
  const Case cases[] = {
      {'A', true, HandlerId::NewDocument}, {'C', true, HandlerId::Copy},        {'V', true, HandlerId::Paste},
      {'X', true, HandlerId::Cut},         {'Z', true, HandlerId::AuthorNotice}, {VK_DELETE, false, HandlerId::ClearAll},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    recorder.clear();
    {
      const HeldKeys held = c.ctrl ? HeldKeys{VK_CONTROL} : HeldKeys{};
      post_key_down(edit, c.key);
      ASSERT_TRUE(pump_until(host.runtime(), [&] { return recorder.count(c.command) == 1; }));
    }
    pump_pending(host.runtime());
    EXPECT_EQ(recorder.slots(), std::vector{c.command});  // no key-down event anywhere
    EXPECT_EQ(to_text(host.read_property(form::kMain, unit::kEditBox, prop::edit::kContent)), "hello");
    EXPECT_EQ(edit_property(prop::edit::kSelStart), 2);
    EXPECT_EQ(edit_property(prop::edit::kSelLength), 0);
  }
}

TEST_F(MainWindowKeys, KeysForADisabledWindowGetNoShortcutAndNoEvent) {
  host.write_property(form::kMain, unit::kEditBox, prop::kDisabled, -1, true);
  recorder.clear();
  {
    const HeldKeys held{VK_CONTROL};
    post_key_down(edit, 'A');
    post_key_down(edit, 'B');
    pump_pending(host.runtime());
  }
  EXPECT_TRUE(recorder.calls().empty());
}

TEST_F(MainWindowKeys, AKeyWithoutAShortcutGoesToTheEditBox) {
  {
    const HeldKeys held{VK_CONTROL};
    post_key_down(edit, 'B');
    ASSERT_TRUE(pump_until(host.runtime(), [&] { return recorder.count(HandlerId::EditKeyDown) == 1; }));
  }
  EXPECT_EQ(recorder.calls()[0].arguments, (std::vector<std::int32_t>{'B', key_state::kCtrl}));
}

TEST_F(MainWindowKeys, KeypadKeysReportTheMainKeyboardsCodes) {
  const HeldKeys held{VK_SHIFT};
  post_key_down(edit, VK_NUMPAD5);
  post_key_down(edit, VK_DECIMAL);
  ASSERT_TRUE(pump_until(host.runtime(), [&] { return recorder.count(HandlerId::EditKeyDown) == 2; }));
  EXPECT_EQ(recorder.calls()[0].arguments, (std::vector<std::int32_t>{'5', key_state::kShift}));
  EXPECT_EQ(recorder.calls()[1].arguments, (std::vector<std::int32_t>{190, key_state::kShift}));
}

// The test form's edit box binds key down, character and left button down.
class EditBoxInput : public ::testing::Test {
 protected:
  void SetUp() override {
    host.start_runtime(recorder.table());
    ASSERT_TRUE(host.load_window(tf::kEditWindowRef, std::nullopt, false));
    host.write_property(tf::kEditForm, tf::kEditWindow, prop::kVisible, -1, true);
    edit = handle_of(host, tf::kEditBoxRef);
    ASSERT_TRUE(pump_until(host.runtime(), [&] { return GetFocus() == edit; }));
    host.write_property(tf::kEditForm, tf::kEditBox, prop::edit::kSelStart, -1, std::int32_t{0});
  }

  Text content() { return to_text(host.read_property(tf::kEditForm, tf::kEditBox, prop::edit::kContent)); }
  void answer(HandlerId slot, HandlerResult result) {
    recorder.on(slot, [result](auto) { return result; });
  }

  Recorder recorder;
  WinHost host{tf::all()};
  HWND edit = nullptr;
};

TEST_F(EditBoxInput, AKeyDownHandlerReturningNothingLeavesTheKeyToTheControl) {
  post_key_down(edit, VK_DELETE);
  pump_pending(host.runtime());
  EXPECT_EQ(recorder.count(tf::kEditKeyDown), 1);
  EXPECT_EQ(content(), "bc");
}

TEST_F(EditBoxInput, AKeyDownHandlerReturningZeroSwallowsTheKey) {
  answer(tf::kEditKeyDown, 0);
  post_key_down(edit, VK_DELETE);
  pump_pending(host.runtime());
  EXPECT_EQ(recorder.count(tf::kEditKeyDown), 1);
  EXPECT_EQ(content(), "abc");
}

TEST_F(EditBoxInput, AKeyDownHandlerReturningNonZeroDoesNotSwallow) {
  answer(tf::kEditKeyDown, 1);
  post_key_down(edit, VK_DELETE);
  pump_pending(host.runtime());
  EXPECT_EQ(content(), "bc");
}

TEST_F(EditBoxInput, CharactersPassDropOrAreReplaced) {
  PostMessageW(edit, WM_CHAR, L'x', 1);
  pump_pending(host.runtime());
  EXPECT_EQ(content(), "xabc");  // nothing returned: the character goes in

  answer(tf::kEditCharacter, 0);
  PostMessageW(edit, WM_CHAR, L'y', 1);
  pump_pending(host.runtime());
  EXPECT_EQ(content(), "xabc");  // 0: dropped

  answer(tf::kEditCharacter, 'z');
  PostMessageW(edit, WM_CHAR, L'y', 1);
  pump_pending(host.runtime());
  EXPECT_EQ(content(), "xzabc");  // replaced
}

TEST_F(EditBoxInput, ChineseCharactersTravelAsGbkCodes) {
  answer(tf::kEditCharacter, 0xCEC4);  // 文
  PostMessageW(edit, WM_CHAR, 0x4E2D, 1);  // 中
  pump_pending(host.runtime());
  ASSERT_EQ(recorder.count(tf::kEditCharacter), 1);
  EXPECT_EQ(recorder.last_arguments(tf::kEditCharacter), (std::vector<std::int32_t>{0xD6D0}));
  EXPECT_EQ(content(), "\xce\xc4" "abc");
}

TEST_F(EditBoxInput, MouseEventsCarryPositionAndState) {
  {
    const HeldKeys held{VK_MENU};
    PostMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(5, 7));
    PostMessageW(edit, WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(5, 7));
    pump_pending(host.runtime());
  }
  ASSERT_EQ(recorder.count(tf::kEditClicked), 1);
  EXPECT_EQ(recorder.last_arguments(tf::kEditClicked),
            (std::vector<std::int32_t>{5, 7, key_state::kShift | key_state::kAlt}));
}

TEST(StartupWindowKeys, EscClosesTheStartupWindow) {
  Recorder recorder;
  WinHost host;
  host.start_runtime(recorder.table());
  host.load_start_window(form::kStartup);
  HWND window = handle_of(host, units::kStartupWindow);
  post_key_down(window, VK_ESCAPE);
  ASSERT_TRUE(pump_until(host.runtime(), [&] { return !IsWindow(window); }));
  EXPECT_EQ(host.runtime().loaded_form(form::kStartup), nullptr);
}

}  // namespace
}  // namespace host::testing
