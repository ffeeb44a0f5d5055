// The colour picker's palette as the application opens it (the host's
// open_colour_picker on the hidden picker), then keys and clicks in the popup, the
// colour left in `Colour` and the colour-changed event.
#include <windows.h>
#include <commctrl.h>

#include <chrono>

#include <gtest/gtest.h>

#include "dialog_driver.h"
#include "host/services/encoding_win.h"
#include "host/units/colour_picker/colour_palette.h"
#include "host/units/colour_picker/colour_palette_layout.h"
#include "host/units/colour_picker/colour_palette_popup_win.h"
#include "host/units/screen_metrics_win.h"
#include "host_test_support.h"
#include "skin/gdiplus_api_win.h"
#include "skin/skin_startup_win.h"
#include "support/mouse_input_win.h"
#include "support/screen_picture_win.h"

namespace host::testing {
namespace {

constexpr std::int32_t kBlue = 0x00FF0000;        // 蓝色, cell 9
constexpr std::int32_t kFreshGreen = 0x0000E080;  // 嫩绿, cell 18
constexpr std::int32_t kRed = 0x000000FF;         // 红色, cell 12

BOOL CALLBACK check_tooltip(HWND window, LPARAM search) {
  auto& [owner, found] = *reinterpret_cast<std::pair<HWND, HWND>*>(search);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (std::wstring(name) != TOOLTIPS_CLASSW || GetWindow(window, GW_OWNER) != owner) return TRUE;
  found = window;
  return FALSE;
}

// The tooltip control the window owns, or null.
HWND find_tooltip(HWND owner) {
  std::pair<HWND, HWND> search{owner, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), check_tooltip, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

class ColourPicker : public MainWindowShown {
 protected:
  std::int32_t colour() {
    return to_integer(host.read_property(form::kMain, unit::kColorPicker, prop::picker::kColour));
  }
  void set_colour(std::int32_t colour) {
    host.write_property(form::kMain, unit::kColorPicker, prop::picker::kColour, -1, colour);
  }

  // As the application does it: the call returns at once with the palette up.
  HWND open_palette() {
    host.open_colour_picker(units::kColorPicker);
    HWND palette = find_visible_window(GetCurrentProcessId(), kColourPaletteClassName);
    EXPECT_TRUE(palette);
    return palette;
  }

  void press_keys(HWND palette, std::initializer_list<UINT> keys) {
    for (UINT key : keys) post_key_down(palette, key);
    pump_pending(host.runtime());
  }

  POINT centre_of(int entry) const {
    const PaletteRect area = layout.entry(entry);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
  }

  // Closed, with the main window active and the edit box focused again.
  void expect_closed(HWND palette) {
    EXPECT_TRUE(pump_until(host.runtime(), [&] { return !IsWindowVisible(palette) && GetFocus() == edit; }));
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_NE(GetCapture(), palette);
  }

  const PaletteLayout layout{screen_vertical_dpi()};
};

TEST_F(ColourPicker, OpensAtThePickersPlaceHoldingTheFocusAndTheMouse) {
  HWND palette = open_palette();
  ASSERT_TRUE(palette);
  EXPECT_EQ(GetWindow(palette, GW_OWNER), main);
  EXPECT_EQ(GetActiveWindow(), palette);
  EXPECT_EQ(GetFocus(), palette);
  EXPECT_EQ(GetCapture(), palette);
  RECT picker{}, shown{}, client{};
  GetWindowRect(handle_of(host, units::kColorPicker), &picker);
  GetWindowRect(palette, &shown);
  GetClientRect(palette, &client);
  EXPECT_EQ(shown.left, picker.left);
  EXPECT_EQ(shown.top, picker.top);
  EXPECT_EQ(client.right, layout.client_width());
  EXPECT_EQ(client.bottom, layout.client_height());
  EXPECT_EQ(recorder.count(HandlerId::ColourChanged), 0);
}

TEST_F(ColourPicker, ThePaletteStaysInsideTheWorkArea) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT work = monitor.rcWork;
  // The picker's place is beyond the right and bottom edges.
  SetWindowPos(main, nullptr, work.right - 200, work.bottom - 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  HWND palette = open_palette();
  RECT shown{};
  GetWindowRect(palette, &shown);
  EXPECT_EQ(shown.right, work.right);
  EXPECT_EQ(shown.bottom, work.bottom);
  press_keys(palette, {VK_ESCAPE});
}

TEST_F(ColourPicker, ArrowsMoveFromTheCurrentColourAndEnterPicks) {
  set_colour(kBlue);
  HWND palette = open_palette();
  press_keys(palette, {VK_RIGHT, VK_DOWN, VK_RETURN});  // 9 -> 10 -> 18
  expect_closed(palette);
  EXPECT_EQ(colour(), kFreshGreen);
  EXPECT_EQ(recorder.count(HandlerId::ColourChanged), 1);
  // The edit box had the focus back before the event came, as after a dialog.
  const std::vector<HandlerId> slots = recorder.slots();
  ASSERT_FALSE(slots.empty());
  EXPECT_EQ(slots.back(), HandlerId::ColourChanged);
  EXPECT_EQ(recorder.count(HandlerId::EditGotFocus), 1);
}

TEST_F(ColourPicker, KeysWrapThroughTheMoreColoursEntry) {
  set_colour(0x00000000);  // 黑色, cell 0
  HWND palette = open_palette();
  press_keys(palette, {VK_LEFT, VK_LEFT, VK_UP, VK_UP, VK_TAB, VK_SPACE});  // 0, more, 31, 23, 15, 16
  expect_closed(palette);
  EXPECT_EQ(colour(), 0x00FF8080);  // 蓝灰, cell 16
}

TEST_F(ColourPicker, PickingTheSameColourStillRaisesTheEvent) {
  set_colour(kBlue);
  HWND palette = open_palette();
  press_keys(palette, {VK_SPACE});
  expect_closed(palette);
  EXPECT_EQ(colour(), kBlue);
  EXPECT_EQ(recorder.count(HandlerId::ColourChanged), 1);
}

TEST_F(ColourPicker, EscCancelsWithoutAnEvent) {
  set_colour(kBlue);
  HWND palette = open_palette();
  press_keys(palette, {VK_RIGHT, VK_ESCAPE});
  expect_closed(palette);
  EXPECT_EQ(colour(), kBlue);
  EXPECT_EQ(recorder.count(HandlerId::ColourChanged), 0);
}

// Through the system's input queue, as the mouse itself does it.
void move_mouse_on_screen(POINT point) {
  INPUT move = test_support::mouse_event_at(point, 0);
  SendInput(1, &move, sizeof(INPUT));
}

void click_on_screen(POINT point) {
  INPUT presses[2] = {test_support::mouse_event_at(point, MOUSEEVENTF_LEFTDOWN),
                      test_support::mouse_event_at(point, MOUSEEVENTF_LEFTUP)};
  SendInput(2, presses, sizeof(INPUT));
}

TEST_F(ColourPicker, AMouseClickOnACellPicksAndOneElsewhereCancels) {
  HWND palette = open_palette();
  POINT cell = centre_of(12);
  ClientToScreen(palette, &cell);
  click_on_screen(cell);
  expect_closed(palette);
  EXPECT_EQ(colour(), kRed);
  ASSERT_EQ(recorder.count(HandlerId::ColourChanged), 1);

  open_palette();
  RECT shown{};
  GetWindowRect(palette, &shown);
  click_on_screen({shown.left - 40, shown.top + 10});  // on the edit box, beside the palette
  expect_closed(palette);
  EXPECT_EQ(colour(), kRed);
  EXPECT_EQ(recorder.count(HandlerId::ColourChanged), 1);
}

TEST_F(ColourPicker, LosingTheActivationCancels) {
  HWND palette = open_palette();
  SetActiveWindow(main);
  EXPECT_TRUE(pump_until(host.runtime(), [&] { return !IsWindowVisible(palette); }));
  pump_pending(host.runtime());
  EXPECT_EQ(recorder.count(HandlerId::ColourChanged), 0);
  EXPECT_EQ(GetFocus(), edit);
}

TEST_F(ColourPicker, ASecondOpeningKeepsTheOnePaletteAndItsPlace) {
  set_colour(kBlue);
  HWND palette = open_palette();
  press_keys(palette, {VK_RIGHT});
  EXPECT_EQ(open_palette(), palette);
  EXPECT_EQ(GetFocus(), palette);
  press_keys(palette, {VK_RETURN});
  expect_closed(palette);
  EXPECT_EQ(colour(), 0x0000FF00);  // 绿色, cell 10: the focus had stayed
  // Opened again after a pick: the same window, at the new colour.
  EXPECT_EQ(open_palette(), palette);
  press_keys(palette, {VK_RETURN});
  EXPECT_EQ(recorder.count(HandlerId::ColourChanged), 2);
  EXPECT_EQ(colour(), 0x0000FF00);
}

TEST_F(ColourPicker, EveryCellHasItsNameAsTooltip) {
  HWND palette = open_palette();
  HWND tooltip = find_tooltip(palette);
  ASSERT_TRUE(tooltip);
  ASSERT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), kPaletteColourCount);
  const auto colours = palette_colours();
  for (int index = 0; index < kPaletteColourCount; ++index) {
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.lpszText = text;
    ASSERT_TRUE(SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tool)));
    const auto cell = static_cast<int>(tool.uId);
    ASSERT_GE(cell, 0);
    ASSERT_LT(cell, kPaletteColourCount);
    EXPECT_EQ(text, gb18030_to_wide(colours[static_cast<std::size_t>(cell)].name)) << cell;
    const PaletteRect area = layout.cell(cell);
    EXPECT_EQ(tool.rect.left, area.left) << cell;
    EXPECT_EQ(tool.rect.bottom, area.bottom) << cell;
  }
  EXPECT_EQ(gb18030_to_wide(colours[0].name), L"黑色");
  press_keys(palette, {VK_ESCAPE});
}

// The colour dialog, driven from a watcher thread while its own loop runs.
class MoreColours : public ColourPicker {
 protected:
  // Opens the palette on a colour of the colour dialog (the more-colours entry
  // is focused) and chooses it with Enter.
  void choose_more_colours(const std::function<void(HWND dialog)>& script) {
    set_colour(0x00123456);
    HWND palette = open_palette();
    DialogWatcher watcher(script);
    press_keys(palette, {VK_RETURN});
    expect_closed(palette);
  }
};

TEST_F(MoreColours, TheDialogStartsAtTheCurrentColourAndItsChoiceIsPicked) {
  std::wstring red, green, blue;
  HWND owner = nullptr;
  choose_more_colours([&](HWND dialog) {
    ASSERT_TRUE(dialog);
    owner = GetWindow(dialog, GW_OWNER);
    red = control_text(dialog, 706);
    green = control_text(dialog, 707);
    blue = control_text(dialog, 708);
    set_control_text(dialog, 706, L"200");
    press(dialog, IDOK);
  });
  EXPECT_EQ(owner, main);
  EXPECT_EQ(red, L"86");  // 0x56
  EXPECT_EQ(green, L"52");
  EXPECT_EQ(blue, L"18");
  EXPECT_EQ(colour(), 0x001234C8);
  EXPECT_EQ(recorder.count(HandlerId::ColourChanged), 1);
}

TEST_F(MoreColours, CancellingTheDialogPicksNothing) {
  choose_more_colours([](HWND dialog) {
    ASSERT_TRUE(dialog);
    press(dialog, IDCANCEL);
  });
  EXPECT_EQ(colour(), 0x00123456);
  EXPECT_EQ(recorder.count(HandlerId::ColourChanged), 0);
}

// Text in the window: a dark pixel inside its edge.
bool shows_text(HWND window) {
  RECT inside{};
  GetWindowRect(window, &inside);
  InflateRect(&inside, -3, -3);
  const test_support::ScreenPicture picture = test_support::ScreenPicture::take(inside);
  for (std::uint32_t pixel : picture.pixels())
    if ((pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF) < 3 * 128) return true;
  return false;
}

std::uint32_t rgb_of(COLORREF colour) {
  return static_cast<std::uint32_t>(GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour));
}

// A picture of the open palette over the main window, kept for a person to
// look at; its cells, rings and entry are checked pixel by pixel.
TEST_F(ColourPicker, PictureOfTheOpenPalette) {
  skin::skin_startup();
  ASSERT_TRUE(skin::gdiplus());
  set_colour(0x00C080FF);  // 芙红, the edit box's background: marked
  HWND palette = open_palette();
  // The mouse over 红褐 moves the focus there and shows its name. A pointer
  // event Wine reads late from X may still carry the pointer's old place and
  // take the mouse off the cell while the tooltip waits to show, so the mouse
  // moves again by a pixel now and then, as a hand on it would.
  constexpr int kHovered = 4;
  POINT hover = centre_of(kHovered);
  ClientToScreen(palette, &hover);
  HWND tooltip = find_tooltip(palette);
  auto last_move = std::chrono::steady_clock::time_point{};
  int moves = 0;
  EXPECT_TRUE(pump_until(
      host.runtime(),
      [&] {
        if (IsWindowVisible(tooltip) && shows_text(tooltip)) return true;
        if (std::chrono::steady_clock::now() - last_move > 1500ms) {
          move_mouse_on_screen({hover.x + moves++ % 2, hover.y});
          last_move = std::chrono::steady_clock::now();
        }
        return false;
      },
      10000ms));
  RECT area{}, part{};
  GetWindowRect(main, &area);
  GetWindowRect(palette, &part);
  UnionRect(&area, &area, &part);
  RECT tip{};
  GetWindowRect(tooltip, &tip);
  UnionRect(&area, &area, &tip);
  InflateRect(&area, 8, 8);
  const test_support::ScreenPicture picture = test_support::ScreenPicture::take(area);
  picture.save_png(artifacts_folder() / L"colour-palette.png");

  const auto on_screen = [&](int x, int y) {
    POINT point{x, y};
    ClientToScreen(palette, &point);
    return point;
  };
  const auto colours = palette_colours();
  for (int index = 0; index < kPaletteColourCount; ++index) {
    const POINT centre = centre_of(index);
    if (PtInRect(&tip, on_screen(centre.x, centre.y))) continue;  // under the tooltip
    EXPECT_EQ(picture.at(on_screen(centre.x, centre.y)), rgb_of(colours[static_cast<std::size_t>(index)].colour))
        << index;
  }
  const PaletteRect focused = layout.cell(kHovered);
  const PaletteRect current = layout.cell(30);
  const int ring = layout.scaled(2);
  EXPECT_EQ(picture.at(on_screen(focused.left, focused.top)), rgb_of(GetSysColor(COLOR_HIGHLIGHT)));
  EXPECT_EQ(picture.at(on_screen(current.left + ring, current.top + ring)), rgb_of(GetSysColor(COLOR_WINDOWTEXT)));
  EXPECT_EQ(picture.at(on_screen(current.left, current.top)), rgb_of(GetSysColor(COLOR_MENU)));
  press_keys(palette, {VK_ESCAPE});
}

}  // namespace
}  // namespace host::testing
