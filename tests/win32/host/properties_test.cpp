// Unit properties acting on live windows: menu items, the edit box's font,
// selection and colours, the timer's interval, titles and the topmost band.
#include <gtest/gtest.h>

#include "host/services/encoding_win.h"
#include "host_test_support.h"

namespace host::testing {
namespace {

namespace tf = test_forms;

class MainWindowProperties : public ::testing::Test {
 protected:
  void SetUp() override {
    host.start_runtime(recorder.table());
    ASSERT_TRUE(host.load_window(units::kMainWindow, std::nullopt, false));
    main = handle_of(host, units::kMainWindow);
    edit = handle_of(host, units::kEditBox);
  }

  Value edit_property(int index, int array_index = -1) {
    return host.read_property(form::kMain, unit::kEditBox, index, array_index);
  }
  void set_edit_property(int index, const Value& value, int array_index = -1) {
    host.write_property(form::kMain, unit::kEditBox, index, array_index, value);
  }
  std::wstring menu_text(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
  }

  Recorder recorder;
  WinHost host;
  HWND main = nullptr;
  HWND edit = nullptr;
};

constexpr UnitId kNewDocument = 0x26010009;
constexpr UnitId kFirstSeparator = 0x2601000F;
constexpr UnitId kSaveDocument = 0x2601000B;

TEST_F(MainWindowProperties, MenuBarShowsCaptionsShortcutsAndCommandNumbers) {
  HMENU bar = GetMenu(main);
  ASSERT_EQ(GetMenuItemCount(bar), 4);
  EXPECT_EQ(menu_text(bar, 0), L"文件操作");
  HMENU file = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(file), 6);
  EXPECT_EQ(menu_text(file, 0), L"新建文档(A)\tCtrl+A");
  EXPECT_EQ(GetMenuItemID(file, 0), 20001u);
  EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(GetMenuItemID(file, 2), 20003u);
  EXPECT_EQ(menu_text(GetSubMenu(bar, 1), 5), L"清空字符(Del)\tDel");
}

TEST_F(MainWindowProperties, MenuWritesRebuildTheBarAndKeepCommandNumbers) {
  HMENU before = GetMenu(main);
  host.write_property(form::kMain, kNewDocument, prop::menu::kCaption, -1, Text("\xd0\xc2(A)"));  // 新(A)
  HMENU after = GetMenu(main);
  EXPECT_NE(after, before);
  HMENU file = GetSubMenu(after, 0);
  EXPECT_EQ(menu_text(file, 0), L"新(A)\tCtrl+A");
  EXPECT_EQ(GetMenuItemID(file, 0), 20001u);
  EXPECT_EQ(to_text(host.read_property(form::kMain, kNewDocument, prop::menu::kCaption)), "\xd0\xc2(A)");

  // Hiding the separator leaves the others' numbers alone.
  host.write_property(form::kMain, kFirstSeparator, prop::menu::kVisible, -1, false);
  file = GetSubMenu(GetMenu(main), 0);
  ASSERT_EQ(GetMenuItemCount(file), 5);
  EXPECT_EQ(GetMenuItemID(file, 1), 20003u);
  EXPECT_FALSE(to_integer(host.read_property(form::kMain, kFirstSeparator, prop::menu::kVisible)));

  host.write_property(form::kMain, kSaveDocument, prop::menu::kChecked, -1, true);
  host.write_property(form::kMain, kSaveDocument, prop::menu::kDisabled, -1, true);
  file = GetSubMenu(GetMenu(main), 0);
  EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_GRAYED);

  // The same value again changes nothing.
  HMENU current = GetMenu(main);
  host.write_property(form::kMain, kSaveDocument, prop::menu::kChecked, -1, std::int32_t{5});
  EXPECT_EQ(GetMenu(main), current);
}

TEST_F(MainWindowProperties, ShortcutsStillWorkAfterARebuild) {
  host.write_property(form::kMain, unit::kMainWindow, prop::kVisible, -1, true);
  host.write_property(form::kMain, kNewDocument, prop::menu::kCaption, -1, Text("x"));
  {
    const HeldKeys held{VK_CONTROL};
    post_key_down(main, 'S');
    ASSERT_TRUE(pump_until(host.runtime(), [&] { return recorder.count(HandlerId::SaveDocument) == 1; }));
  }
  // A disabled item's shortcut does nothing.
  host.write_property(form::kMain, kSaveDocument, prop::menu::kDisabled, -1, true);
  {
    const HeldKeys held{VK_CONTROL};
    post_key_down(main, 'S');
    pump_pending(host.runtime());
  }
  EXPECT_EQ(recorder.count(HandlerId::SaveDocument), 1);
  // Clicks on menu items arrive as their command numbers.
  PostMessageW(main, WM_COMMAND, 20013, 0);
  PostMessageW(main, WM_COMMAND, 57600, 0);
  pump_pending(host.runtime());
  EXPECT_EQ(recorder.count(HandlerId::ClearAll), 1);
}

LOGFONTW font_of(HWND window) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

int screen_dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

TEST_F(MainWindowProperties, EditBoxFontComesFromItsProperties) {
  const LOGFONTW initial = font_of(edit);
  EXPECT_EQ(initial.lfHeight, -24);
  EXPECT_EQ(std::wstring(initial.lfFaceName), L"宋体");
  EXPECT_EQ(initial.lfCharSet, DEFAULT_CHARSET);
  EXPECT_EQ(initial.lfQuality, PROOF_QUALITY);
  EXPECT_EQ(to_integer(edit_property(prop::edit::kFont, prop::font::kSize)), 18);

  set_edit_property(prop::edit::kFont, std::int32_t{-18}, prop::font::kSize);
  const LOGFONTW negative = font_of(edit);
  set_edit_property(prop::edit::kFont, std::int32_t{12}, prop::font::kSize);
  set_edit_property(prop::edit::kFont, std::int32_t{18}, prop::font::kSize);
  const LOGFONTW positive = font_of(edit);
  EXPECT_EQ(negative.lfHeight, positive.lfHeight);
  EXPECT_EQ(positive.lfHeight, -MulDiv(18, screen_dpi(), 72));
  EXPECT_EQ(std::wstring(negative.lfFaceName), std::wstring(positive.lfFaceName));

  set_edit_property(prop::edit::kFont, Text("Arial"), prop::font::kFace);
  set_edit_property(prop::edit::kFont, true, prop::font::kBold);
  const LOGFONTW arial = font_of(edit);
  EXPECT_EQ(std::wstring(arial.lfFaceName), L"Arial");
  EXPECT_EQ(arial.lfWeight, 700);
  EXPECT_EQ(arial.lfHeight, positive.lfHeight);
  set_edit_property(prop::edit::kFont, Text(40, 'x'), prop::font::kFace);
  EXPECT_EQ(std::wstring(font_of(edit).lfFaceName), L"宋体");
}

TEST_F(MainWindowProperties, SelectionIsCountedInGbkBytes) {
  set_edit_property(prop::edit::kContent, Text("\xd6\xd0\xce\xc4" "ab\xd6\xd0"));  // 中文ab中
  EXPECT_EQ(window_text_of(edit), L"中文ab中");
  EXPECT_EQ(to_integer(edit_property(prop::edit::kSelStart)), 0);  // a new content puts the caret first

  SendMessageW(edit, EM_SETSEL, 2, 4);  // "ab" in UTF-16 units
  EXPECT_EQ(to_integer(edit_property(prop::edit::kSelStart)), 4);
  EXPECT_EQ(to_integer(edit_property(prop::edit::kSelLength)), 2);
  EXPECT_EQ(to_text(edit_property(prop::edit::kSelText)), "ab");

  set_edit_property(prop::edit::kSelStart, std::int32_t{2});
  set_edit_property(prop::edit::kSelLength, std::int32_t{3});
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 3u);
  EXPECT_EQ(to_text(edit_property(prop::edit::kSelText)), "\xce\xc4" "a");  // 文a

  set_edit_property(prop::edit::kSelText, Text("\xd6\xd0"));  // 中 replaces 文a
  EXPECT_EQ(to_text(edit_property(prop::edit::kContent)), "\xd6\xd0\xd6\xd0" "b\xd6\xd0");
}

TEST_F(MainWindowProperties, EditBoxColoursPaintTheControl) {
  HDC dc = GetDC(edit);
  HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(main, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(edit)));
  EXPECT_EQ(GetTextColor(dc), 0x00FF0000u);
  EXPECT_EQ(GetBkColor(dc), 0x00C080FFu);
  LOGBRUSH logical{};
  GetObjectW(brush, sizeof logical, &logical);
  EXPECT_EQ(logical.lbColor, 0x00C080FFu);

  set_edit_property(prop::edit::kBackColor, std::int32_t{0x00112233});
  set_edit_property(prop::edit::kTextColor, std::int32_t{0x00445566});
  brush = reinterpret_cast<HBRUSH>(
      SendMessageW(main, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)));
  GetObjectW(brush, sizeof logical, &logical);
  EXPECT_EQ(logical.lbColor, 0x00112233u);
  EXPECT_EQ(GetTextColor(dc), 0x00445566u);
  EXPECT_EQ(to_integer(edit_property(prop::edit::kBackColor)), 0x00112233);
  ReleaseDC(edit, dc);
}

TEST_F(MainWindowProperties, EditBoxIsAWrappingMultiLineEdit) {
  wchar_t class_name[16] = {};
  GetClassNameW(edit, class_name, 16);
  EXPECT_EQ(std::wstring(class_name), L"Edit");
  const LONG style = GetWindowLongW(edit, GWL_STYLE);
  EXPECT_EQ(style & (ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_CLIPSIBLINGS),
            ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_CLIPSIBLINGS);
  EXPECT_FALSE(style & (ES_AUTOHSCROLL | WS_HSCROLL));
  EXPECT_GE(static_cast<DWORD>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);  // the system's maximum
  set_edit_property(prop::edit::kMaxLength, std::int32_t{10});
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 10);
}

TEST_F(MainWindowProperties, WindowPropertiesActAtOnce) {
  host.write_property(form::kMain, unit::kMainWindow, prop::window::kCaption, -1, Text("Verbrook \xd6\xd0"));
  EXPECT_EQ(window_text_of(main), L"Verbrook 中");
  EXPECT_EQ(to_text(host.read_property(form::kMain, unit::kMainWindow, prop::window::kCaption)), "Verbrook \xd6\xd0");

  host.write_property(form::kMain, unit::kMainWindow, prop::kWidth, -1, std::int32_t{400});
  host.write_property(form::kMain, unit::kMainWindow, prop::kHeight, -1, std::int32_t{300});
  RECT rect{};
  GetWindowRect(main, &rect);
  EXPECT_EQ(rect.right - rect.left, 400);
  EXPECT_EQ(rect.bottom - rect.top, 300);
  EXPECT_GE(recorder.count(HandlerId::MainSizeChanged), 2);  // the load's and the resize's

  host.write_property(form::kMain, unit::kEditBox, prop::kDisabled, -1, true);
  EXPECT_FALSE(IsWindowEnabled(edit));
  EXPECT_TRUE(to_integer(edit_property(prop::kDisabled)));

  host.write_property(form::kMain, unit::kMainWindow, prop::window::kAlwaysOnTop, -1, true);
  EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
  host.write_property(form::kMain, unit::kMainWindow, prop::window::kAlwaysOnTop, -1, false);
  EXPECT_FALSE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(TimerProperties, IntervalStartsRestartsAndStopsTheTimer) {
  Recorder recorder;
  WinHost host{tf::all()};
  host.start_runtime(recorder.table());
  ASSERT_TRUE(host.load_window(tf::kEditWindowRef, std::nullopt, false));
  const auto interval = [&] { return to_integer(host.read_property(tf::kEditForm, tf::kTimer, prop::timer::kInterval)); };

  host.write_property(tf::kEditForm, tf::kTimer, prop::timer::kInterval, -1, std::int32_t{10});
  ASSERT_TRUE(pump_until(host.runtime(), [&] { return recorder.count(tf::kTick) >= 3; }));

  host.write_property(tf::kEditForm, tf::kTimer, prop::timer::kInterval, -1, std::int32_t{-5});
  EXPECT_EQ(interval(), 0);
  pump_pending(host.runtime());
  const int ticks = recorder.count(tf::kTick);
  // Stopped: no tick in a time that would have held several.
  pump_until(host.runtime(), [] { return false; }, 150ms);
  EXPECT_EQ(recorder.count(tf::kTick), ticks);

  host.destroy_unit(tf::kTimerRef);
  EXPECT_EQ(host.runtime().loaded_form(tf::kEditForm)->find_unit(tf::kTimer), nullptr);
  host.destroy_unit(tf::kTimerRef);  // a second time does nothing
}

}  // namespace
}  // namespace host::testing
