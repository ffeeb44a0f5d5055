#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/controls/loader_window_win.h"
#include "skin/gdiplus_api_win.h"
#include "skin/property_names.h"
#include "skin/property_store_win.h"
#include "skin/skin_startup_win.h"
#include "skin/wide_text_win.h"
#include "skin_test_support.h"

namespace skin {
namespace {

using testing::SkinTest;

std::wstring module_path(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(module, path.data(), MAX_PATH));
  return path;
}

std::wstring system_folder() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetSystemDirectoryW(path.data(), MAX_PATH));
  return path;
}

std::wstring folder_of(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/")); }

TEST_F(SkinTest, GdiplusComesFromTheSystemFolder) {
  ASSERT_NE(gdiplus_module(), nullptr);
  EXPECT_EQ(lstrcmpiW(folder_of(module_path(gdiplus_module())).c_str(), system_folder().c_str()), 0)
      << "loaded from " << std::string(module_path(gdiplus_module()).begin(), module_path(gdiplus_module()).end());
}

TEST_F(SkinTest, StartupParsesTheTimeFrameDimension) {
  const GUID time{0x6AEDBD6D, 0x3FB5, 0x418A, {0x83, 0xA6, 0x7F, 0x45, 0x22, 0x9D, 0xC8, 0x72}};
  EXPECT_TRUE(IsEqualGUID(frame_dimension_time(), time));
}

TEST_F(SkinTest, StartupRegistersTheLoaderWindowClass) {
  WNDCLASSEXW loader{};
  loader.cbSize = sizeof loader;
  ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"VantorLoadDialog", &loader));
  EXPECT_EQ(loader.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW));
  EXPECT_EQ(loader.lpfnWndProc, loader_window_proc);
  EXPECT_EQ(loader.cbClsExtra, 0);
  EXPECT_EQ(loader.cbWndExtra, 0);
  EXPECT_EQ(loader.hbrBackground, reinterpret_cast<HBRUSH>(16));
  EXPECT_EQ(loader.hCursor, LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(loader.lpszMenuName, nullptr);
}

TEST(TextToWide, ConvertsGbkWhateverTheSystemCodePage) {
  EXPECT_EQ(text_to_wide("\xc4\xe3\xba\xc3"), L"\x4F60\x597D");  // 你好
  EXPECT_EQ(text_to_wide("\xcb\xce\xcc\xe5"), L"\x5B8B\x4F53");  // 宋体
  EXPECT_EQ(text_to_wide("{6AEDBD6D}"), L"{6AEDBD6D}");
  EXPECT_EQ(text_to_wide(""), L"");
  EXPECT_EQ(text_to_wide(std::string_view("ab\0cd", 5)), L"ab");
}

// Each name exactly as other code sees it through the ANSI property functions:
// the wide and ANSI functions share the atoms.
TEST(PropertyStore, EveryNameIsTheSameAtomForAnsiAndWide) {
  const struct {
    const char* ansi;
    const wchar_t* wide;
  } names[] = {
      {"PngControl_Time", prop::kTime},
      {"PngControl_BackImage", prop::kBackImage},
      {"PngControl_Type", prop::kType},
      {"PngControl_BackType", prop::kBackType},
      {"PngControl_BackColor", prop::kBackColor},
      {"PngControl_BackAlpha", prop::kBackAlpha},
      {"PngControl_OrderColor", prop::kOrderColor},
      {"PngControl_OrderAlpha", prop::kOrderAlpha},
      {"PngControl_TextColor", prop::kTextColor},
      {"PngControl_NormalImage", prop::kNormalImage},
      {"PngControl_OverlImage", prop::kOverlImage},
      {"PngControl_DownImage", prop::kDownImage},
      {"PngControl_DisableImage", prop::kDisableImage},
      {"PngControl_WndProc", prop::kWndProc},
      {"PngControl_ChildWndProc", prop::kChildWndProc},
      {"Vantor_DrawState", prop::kDrawState},
      {"Vantor_Thread", prop::kThread},
      {"Vantor_Image", prop::kImage},
      {"Vantor_Stream", prop::kStream},
      {"VantorHitMove", prop::kHitMove},
  };
  const testing::TestWindow window = testing::popup(0, 0, 10, 10);
  std::intptr_t value = 100;
  for (const auto& name : names) {
    SCOPED_TRACE(name.ansi);
    EXPECT_EQ(read_property(window.get(), name.wide), 0) << "absent reads as 0";
    ASSERT_TRUE(SetPropA(window.get(), name.ansi, reinterpret_cast<HANDLE>(++value)));
    EXPECT_EQ(read_property(window.get(), name.wide), value);
    write_property(window.get(), name.wide, ++value);
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(GetPropA(window.get(), name.ansi)), value);
  }
}

TEST(PropertyStore, ColourPropertiesKeepMinusOne) {
  const testing::TestWindow window = testing::popup(0, 0, 10, 10);
  write_property(window.get(), prop::kBackColor, -1);
  EXPECT_EQ(read_colour_property(window.get(), prop::kBackColor), -1);
  EXPECT_EQ(read_colour_property(window.get(), prop::kOrderColor), 0);
}

}  // namespace
}  // namespace skin
