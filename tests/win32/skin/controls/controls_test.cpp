#include <windows.h>

#include <gtest/gtest.h>

#include "skin/colour.h"
#include "skin/compositor_win.h"
#include "skin/controls/caret_win.h"
#include "skin/controls/child_drawing_win.h"
#include "skin/controls/child_marks_win.h"
#include "skin/controls/skinned_controls_win.h"
#include "skin/png_window_win.h"
#include "skin/property_names.h"
#include "skin/property_store_win.h"
#include "skin/skin_test_support.h"

namespace skin {
namespace {

using testing::SkinTest;

constexpr std::uint32_t kNormal = 0xFF0000FF;
constexpr std::uint32_t kOver = 0xFF00FF00;
constexpr std::uint32_t kDown = 0xFFFF0000;
constexpr std::uint32_t kDisabled = 0xFF808080;

// A child class whose procedure answers WM_MOUSEMOVE with a mark, to show that
// the previous procedure ran and its result came back.
constexpr LRESULT kMark = 4321;
int mouse_moves_seen = 0;

LRESULT CALLBACK marking_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_MOUSEMOVE) {
    ++mouse_moves_seen;
    return kMark;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

const wchar_t* marking_class() {
  static const bool registered = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = marking_proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"VerbrookSkinMarkingChild";
    return RegisterClassExW(&window_class) != 0;
  }();
  EXPECT_TRUE(registered);
  return L"VerbrookSkinMarkingChild";
}

WNDPROC procedure_of(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

class Controls : public SkinTest {
 protected:
  void SetUp() override {
    SkinTest::SetUp();
    window_ = testing::popup(100, 100, 200, 120);
    ASSERT_TRUE(skin_.attach(window_.get()));
  }
  void TearDown() override { SetFocus(nullptr); }
  std::uint32_t pixel(int x, int y) {
    const GdipImage picture = compose_window(window_.get());
    return testing::read_pixels(picture.get()).at(x, y);
  }
  testing::TestWindow window_;
  PngWindow skin_;
};

TEST_F(Controls, SkinningTwiceSubclassesOnce) {
  HWND button = testing::child(window_.get(), marking_class(), 10, 10, 30, 30);
  HWND panel = testing::child(window_.get(), L"EDIT", 50, 10, 60, 20);
  HWND image = testing::child(window_.get(), L"STATIC", 120, 10, 30, 30);
  set_child_type(button, ChildType::ImageButton);
  set_child_type(panel, ChildType::TextPanel);
  set_child_type(image, ChildType::ImageControl);
  const WNDPROC button_before = procedure_of(button);
  const WNDPROC panel_before = procedure_of(panel);
  const WNDPROC static_proc = procedure_of(image);
  skin_.skin_children();
  skin_.skin_children();
  EXPECT_EQ(procedure_of(button), button_proc);
  EXPECT_EQ(read_property(button, prop::kChildWndProc), reinterpret_cast<std::intptr_t>(button_before));
  EXPECT_EQ(procedure_of(panel), text_panel_proc);
  EXPECT_EQ(read_property(panel, prop::kChildWndProc), reinterpret_cast<std::intptr_t>(panel_before));
  EXPECT_EQ(procedure_of(image), static_proc) << "image controls are drawn, not subclassed";
  EXPECT_EQ(read_property(image, prop::kChildWndProc), 0);
  // The previous procedure runs once per message and its result is returned.
  mouse_moves_seen = 0;
  EXPECT_EQ(SendMessageW(button, WM_MOUSEMOVE, 0, 0), kMark);
  EXPECT_EQ(mouse_moves_seen, 1);
}

TEST_F(Controls, UnmarkedAndGrandchildrenAreLeftAlone) {
  HWND plain = testing::child(window_.get(), marking_class(), 10, 10, 30, 30);
  HWND holder = testing::child(window_.get(), L"STATIC", 50, 10, 60, 60);
  HWND grandchild = testing::child(holder, marking_class(), 0, 0, 30, 30);
  set_child_type(grandchild, ChildType::ImageButton);
  const WNDPROC grandchild_before = procedure_of(grandchild);
  skin_.skin_children();
  EXPECT_EQ(procedure_of(plain), marking_proc);
  EXPECT_EQ(procedure_of(grandchild), grandchild_before);
  EXPECT_EQ(read_property(grandchild, prop::kChildWndProc), 0);
}

TEST_F(Controls, AnEarlierSavedProcedureIsPutBack) {
  HWND image = testing::child(window_.get(), marking_class(), 10, 10, 30, 30);
  set_child_type(image, ChildType::ImageControl);
  SetWindowLongPtrW(image, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
  write_property(image, prop::kWndProc, reinterpret_cast<std::intptr_t>(marking_proc));
  skin_.skin_children();
  EXPECT_EQ(procedure_of(image), marking_proc);
  EXPECT_EQ(read_property(image, prop::kWndProc), 0);
}

TEST_F(Controls, ButtonFollowsTheMouseAndTheEnabledState) {
  HWND button = testing::child(window_.get(), marking_class(), 10, 10, 30, 30);
  set_child_type(button, ChildType::ImageButton);
  set_placement(button, Placement::Stretch);
  ASSERT_TRUE(set_child_image(button, ImageSlot::Normal, testing::solid_image(4, 4, kNormal)));
  ASSERT_TRUE(set_child_image(button, ImageSlot::Over, testing::solid_image(4, 4, kOver)));
  ASSERT_TRUE(set_child_image(button, ImageSlot::Down, testing::solid_image(4, 4, kDown)));
  ASSERT_TRUE(set_child_image(button, ImageSlot::Disable, testing::solid_image(4, 4, kDisabled)));
  skin_.skin_children();
  const auto state = [&] { return read_property(button, prop::kDrawState); };
  EXPECT_EQ(pixel(25, 25), kNormal);

  SendMessageW(button, WM_MOUSEMOVE, 0, 0);
  EXPECT_EQ(state(), 1);
  EXPECT_EQ(pixel(25, 25), kOver);
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(state(), 2);
  EXPECT_EQ(pixel(25, 25), kDown);
  SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, 0);
  EXPECT_EQ(state(), 2) << "moving inside a pressed button keeps it pressed";
  SendMessageW(button, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(state(), 1) << "released over the button";
  SendMessageW(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(state(), 0);
  SendMessageW(button, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(state(), 0) << "a release without a press";

  EnableWindow(button, FALSE);
  EXPECT_EQ(state(), 3);
  EXPECT_EQ(pixel(25, 25), kDisabled);
  EnableWindow(button, TRUE);
  EXPECT_EQ(state(), 0);
  EXPECT_EQ(pixel(25, 25), kNormal);
}

TEST_F(Controls, StatesWithoutTheirOwnImageShowTheNormalOne) {
  HWND button = testing::child(window_.get(), marking_class(), 10, 10, 30, 30);
  set_child_type(button, ChildType::ImageButton);
  ASSERT_TRUE(set_child_image(button, ImageSlot::Normal, testing::solid_image(4, 4, kNormal)));
  for (int state = 0; state <= 4; ++state) EXPECT_NE(button_state_image(button, state), nullptr) << state;
  skin_.skin_children();
  EnableWindow(button, FALSE);
  EXPECT_EQ(read_property(button, prop::kDrawState), 3);
  EXPECT_EQ(pixel(12, 12), kNormal);
}

TEST_F(Controls, CaretOwnerMovesBetweenTextPanels) {
  HWND first = testing::child(window_.get(), L"EDIT", 10, 10, 80, 24);
  HWND second = testing::child(window_.get(), L"EDIT", 10, 50, 80, 24);
  for (HWND panel : {first, second}) set_child_type(panel, ChildType::TextPanel);
  skin_.skin_children();
  CaretState& caret = caret_state();

  SendMessageW(first, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(caret.parent, window_.get());
  EXPECT_EQ(caret.child, first);
  EXPECT_FALSE(caret.visible);
  EXPECT_TRUE(caret.image) << "the parent's picture is kept for the caret";

  // Focus moving on: the first loses it, then the second gains it.
  SendMessageW(first, WM_KILLFOCUS, reinterpret_cast<WPARAM>(second), 0);
  EXPECT_EQ(caret.parent, nullptr);
  EXPECT_EQ(caret.child, nullptr);
  SendMessageW(second, WM_SETFOCUS, reinterpret_cast<WPARAM>(first), 0);
  EXPECT_EQ(caret.parent, window_.get());
  EXPECT_EQ(caret.child, second);

  SendMessageW(second, WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(caret.child, nullptr);
  EXPECT_FALSE(caret.image) << "a picture nobody can blink over is released";
}

TEST_F(Controls, CaretBlinksOverTheCachedPictureWithoutRecomposing) {
  HWND panel = testing::child(window_.get(), L"EDIT", 10, 10, 80, 24);
  set_child_type(panel, ChildType::TextPanel);
  set_back_colour(panel, 0x00FFFFFF, 255);
  skin_.skin_children();
  SendMessageW(panel, WM_SETFOCUS, 0, 0);
  CaretState& caret = caret_state();
  ASSERT_TRUE(caret.image);
  GpImage* cached = caret.image.get();
  const testing::Pixels before = testing::read_pixels(cached);

  caret_timer_proc(window_.get(), WM_TIMER, kCaretTimerId, 0);
  EXPECT_TRUE(caret.visible);
  caret_timer_proc(window_.get(), WM_TIMER, kCaretTimerId, 0);
  EXPECT_FALSE(caret.visible);
  caret_timer_proc(window_.get(), WM_TIMER, 65, 0);
  EXPECT_FALSE(caret.visible) << "another timer";
  caret_timer_proc(panel, WM_TIMER, kCaretTimerId, 0);
  EXPECT_FALSE(caret.visible) << "another window";
  EXPECT_EQ(caret.image.get(), cached);
  EXPECT_EQ(testing::read_pixels(cached).argb, before.argb);

  // The attached window's own timer does the same every 500 ms.
  const bool was = caret.visible;
  EXPECT_TRUE(testing::poll_until([&] { return caret.visible != was; }));
  SendMessageW(panel, WM_KILLFOCUS, 0, 0);
}

TEST_F(Controls, TextChangesRecomposeTheParent) {
  HWND panel = testing::child(window_.get(), L"EDIT", 10, 10, 120, 30);
  set_child_type(panel, ChildType::TextPanel);
  set_text_colour(panel, 0x000000FF);
  HFONT font = CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"DejaVu Sans");
  SendMessageW(panel, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  skin_.skin_children();
  SendMessageW(panel, WM_SETFOCUS, 0, 0);
  const auto drawn = [] {
    const testing::Pixels pixels = testing::read_pixels(caret_state().image.get());
    int count = 0;
    for (std::uint32_t argb : pixels.argb) count += testing::alpha_of(argb) != 0;
    return count;
  };
  EXPECT_EQ(drawn(), 0);
  SetWindowTextW(panel, L"Hello");
  EXPECT_GT(drawn(), 0) << "the new text is in the cached picture";
  SendMessageW(panel, WM_KILLFOCUS, 0, 0);
  DestroyWindow(panel);
  DeleteObject(font);
}

TEST_F(Controls, DestroyingTheCaretWindowReleasesTheCachedPicture) {
  const LiveCounts before = live_counts();
  {
    const testing::TestWindow other = testing::popup(10, 10, 50, 50);
    PngWindow skin;
    ASSERT_TRUE(skin.attach(other.get()));
    HWND panel = testing::child(other.get(), L"EDIT", 0, 0, 40, 20);
    set_child_type(panel, ChildType::TextPanel);
    skin.skin_children();
    // The panel keeps the caret while its window goes.
    caret_state().parent = other.get();
    caret_state().child = panel;
    compose_and_present(other.get());
    ASSERT_TRUE(caret_state().image);
  }
  EXPECT_EQ(caret_state().parent, nullptr);
  EXPECT_FALSE(caret_state().image);
  EXPECT_EQ(live_counts(), before);
}

}  // namespace
}  // namespace skin
