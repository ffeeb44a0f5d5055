#include <windows.h>

#include <gtest/gtest.h>

#include "skin/controls/gdip_text_win.h"
#include "skin/skin_test_support.h"

namespace skin {
namespace {

using testing::SkinTest;

TEST(FontStyle, FollowsTheGdiFont) {
  const struct {
    LONG weight;
    BYTE italic, underline, strike_out;
    int style;
  } cases[] = {
      {FW_NORMAL, 0, 0, 0, Gdiplus::FontStyleRegular},
      {FW_MEDIUM, 0, 0, 0, Gdiplus::FontStyleRegular},
      {FW_SEMIBOLD, 0, 0, 0, Gdiplus::FontStyleBold},
      {FW_BOLD, 0, 0, 0, Gdiplus::FontStyleBold},
      {FW_HEAVY, 0, 0, 0, Gdiplus::FontStyleBold},
      {FW_NORMAL, 1, 0, 0, Gdiplus::FontStyleItalic},
      {FW_NORMAL, 0, 1, 1, Gdiplus::FontStyleUnderline | Gdiplus::FontStyleStrikeout},
      {FW_BOLD, 1, 1, 1, Gdiplus::FontStyleBoldItalic | Gdiplus::FontStyleUnderline | Gdiplus::FontStyleStrikeout},
  };
  for (const auto& c : cases) {
    LOGFONTW font{};
    font.lfWeight = c.weight;
    font.lfItalic = c.italic;
    font.lfUnderline = c.underline;
    font.lfStrikeOut = c.strike_out;
    EXPECT_EQ(font_style_of(font), c.style) << c.weight;
  }
}

TEST_F(SkinTest, FontFromAGdiFontHasItsFaceSizeAndStyle) {
  HFONT gdi_font = CreateFontW(-14, 0, 0, 0, FW_BOLD, TRUE, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"DejaVu Sans");
  ASSERT_NE(gdi_font, nullptr);
  GdipFont font;
  ASSERT_NE(font.from_hfont(gdi_font), nullptr);
  int style = -1;
  float size = 0;
  Gdiplus::Unit unit = Gdiplus::UnitWorld;
  EXPECT_EQ(font.style(style), Gdiplus::Ok);
  EXPECT_EQ(style, Gdiplus::FontStyleBoldItalic);
  EXPECT_EQ(font.size(size), Gdiplus::Ok);
  EXPECT_EQ(size, 14.0f);
  EXPECT_EQ(font.unit(unit), Gdiplus::Ok);
  EXPECT_EQ(unit, Gdiplus::UnitPixel);
  const GdipImage canvas = testing::solid_bitmap(4, 4, 0);
  const GdipGraphics graphics = graphics_for(canvas.get());
  EXPECT_GT(font.height(graphics.get()), 10.0f);

  // No font keeps the one held.
  GpFont* held = font.get_handle();
  EXPECT_EQ(font.from_hfont(nullptr), nullptr);
  EXPECT_EQ(font.get_handle(), held);
  DeleteObject(gdi_font);
}

TEST_F(SkinTest, FontOfAWindowComesFromWmGetFont) {
  const testing::TestWindow window = testing::popup(0, 0, 50, 20);
  HWND label = testing::child(window.get(), L"STATIC", 0, 0, 50, 20);
  GdipFont font;
  EXPECT_EQ(font.from_window(label), nullptr) << "a control without a font";
  HFONT gdi_font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"DejaVu Sans");
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_font), FALSE);
  EXPECT_NE(font.from_window(label), nullptr);
  DestroyWindow(label);
  DeleteObject(gdi_font);
}

TEST_F(SkinTest, FontAndFamilyByName) {
  GdipFontFamily family;
  EXPECT_EQ(family.from_name("DejaVu Sans"), Gdiplus::Ok);
  EXPECT_NE(family.get_handle(), nullptr);
  family.release();
  EXPECT_EQ(family.get_handle(), nullptr);
  EXPECT_NE(family.from_name("No Such Family Here"), Gdiplus::Ok);
  EXPECT_EQ(family.get_handle(), nullptr);

  GdipFont font;
  EXPECT_EQ(font.from_family_name("DejaVu Sans", 12, Gdiplus::FontStyleItalic, Gdiplus::UnitPoint), Gdiplus::Ok);
  float size = 0;
  font.size(size);
  EXPECT_EQ(size, 12.0f);
  EXPECT_NE(font.from_family_name("No Such Family Here", 12, 0, Gdiplus::UnitPoint), Gdiplus::Ok);
  EXPECT_NE(font.get_handle(), nullptr) << "a failure keeps the font held";

  const testing::TestWindow window = testing::popup(0, 0, 50, 20);
  HDC dc = GetDC(window.get());
  EXPECT_EQ(font.from_dc(dc), Gdiplus::Ok);
  ReleaseDC(window.get(), dc);
}

}  // namespace
}  // namespace skin
