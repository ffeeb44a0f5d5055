// Helpers for the skin layer's tests: windows that are destroyed at the end of
// a test, a fixture that starts the layer, and polling. Images are made by
// image_maker.h.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "host/services/handles_win.h"
#include "image_maker.h"
#include "skin/gdiplus_handles_win.h"
#include "skin/hglobal_stream_win.h"
#include "skin/image_win.h"
#include "skin/skin_startup_win.h"

namespace skin::testing {

// A window owned by the test, which may have destroyed it already.
struct TestWindowTraits {
  using Handle = HWND;
  static constexpr Handle empty() { return nullptr; }
  static bool release(Handle window) { return !IsWindow(window) || DestroyWindow(window); }
};
using TestWindow = host::Owned<TestWindowTraits>;

inline const wchar_t* test_window_class() {
  static const wchar_t kName[] = L"VerbrookSkinTestWindow";
  static const bool registered = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = kName;
    return RegisterClassExW(&window_class) != 0;
  }();
  EXPECT_TRUE(registered);
  return kName;
}

// A frameless top-level window, so that its outer and client areas agree.
inline TestWindow popup(int x, int y, int width, int height, DWORD ex_style = 0) {
  return TestWindow(CreateWindowExW(ex_style, test_window_class(), L"skin test", WS_POPUP | WS_VISIBLE, x, y, width,
                                    height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

inline HWND child(HWND parent, const wchar_t* window_class, int x, int y, int width, int height,
                  DWORD style = 0, const wchar_t* text = L"") {
  return CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// Starts the layer for every test of a fixture.
class SkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_startup();
    ASSERT_NE(gdiplus(), nullptr) << "GDI+ did not load";
  }
};

inline void pump_messages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Pumps messages until the condition holds or the time is up.
inline bool poll_until(const std::function<bool()>& condition,
                       std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    pump_messages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

inline std::uint32_t alpha_of(std::uint32_t argb) { return argb >> 24; }

}  // namespace skin::testing
