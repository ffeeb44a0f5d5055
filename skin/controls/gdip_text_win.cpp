#include "skin/controls/gdip_text_win.h"

#include "skin/wide_text_win.h"

namespace skin {
namespace {

constexpr GpStatus kNotLoaded = Gdiplus::GdiplusNotInitialized;

GpStatus family_by_wide_name(const wchar_t* name, GdipFontFamily& family) {
  const auto* g = gdiplus();
  if (!g) return kNotLoaded;
  GpFontFamily* created = nullptr;
  const GpStatus status = g->GdipCreateFontFamilyFromName(name, nullptr, &created);
  if (status == Gdiplus::Ok) family.set_handle(created);
  return status;
}

}  // namespace

GpStatus GdipFontFamily::from_name(std::string_view name) {
  return family_by_wide_name(text_to_wide(name).c_str(), *this);
}

GpStatus GdipFont::from_family_name(std::string_view family_name, float em_size, int style, Gdiplus::Unit unit) {
  const auto* g = gdiplus();
  if (!g) return kNotLoaded;
  GdipFontFamily family;
  GpStatus status = family.from_name(family_name);
  if (status != Gdiplus::Ok) return status;
  GpFont* created = nullptr;
  status = g->GdipCreateFont(family.get_handle(), em_size, style, unit, &created);
  if (status == Gdiplus::Ok) set_handle(created);
  return status;
}

GpStatus GdipFont::from_dc(HDC dc) {
  const auto* g = gdiplus();
  if (!g) return kNotLoaded;
  GpFont* created = nullptr;
  const GpStatus status = g->GdipCreateFontFromDC(dc, &created);
  if (status == Gdiplus::Ok) set_handle(created);
  return status;
}

GpFont* GdipFont::from_window(HWND window) {
  return from_hfont(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
}

int font_style_of(const LOGFONTW& font) {
  int style = Gdiplus::FontStyleRegular;
  if (font.lfWeight >= FW_SEMIBOLD) style |= Gdiplus::FontStyleBold;
  if (font.lfItalic) style |= Gdiplus::FontStyleItalic;
  if (font.lfUnderline) style |= Gdiplus::FontStyleUnderline;
  if (font.lfStrikeOut) style |= Gdiplus::FontStyleStrikeout;
  return style;
}

GpFont* GdipFont::from_hfont(HFONT font) {
  const auto* g = gdiplus();
  LOGFONTW description{};
  if (!g || !font || GetObjectW(font, sizeof description, &description) == 0) return nullptr;
  GdipFontFamily family;
  if (family_by_wide_name(description.lfFaceName, family) != Gdiplus::Ok) return nullptr;
  const float size = static_cast<float>(description.lfHeight < 0 ? -description.lfHeight : description.lfHeight);
  GpFont* created = nullptr;
  if (g->GdipCreateFont(family.get_handle(), size, font_style_of(description), Gdiplus::UnitPixel, &created) !=
      Gdiplus::Ok) {
    return nullptr;
  }
  set_handle(created);
  return created;
}

GpStatus GdipFont::style(int& style) const {
  const auto* g = gdiplus();
  return g ? g->GdipGetFontStyle(font_.get(), &style) : kNotLoaded;
}

GpStatus GdipFont::size(float& size) const {
  const auto* g = gdiplus();
  return g ? g->GdipGetFontSize(font_.get(), &size) : kNotLoaded;
}

GpStatus GdipFont::unit(Gdiplus::Unit& unit) const {
  const auto* g = gdiplus();
  return g ? g->GdipGetFontUnit(font_.get(), &unit) : kNotLoaded;
}

float GdipFont::height(GpGraphics* graphics) const {
  const auto* g = gdiplus();
  float height = 0;
  if (!g || g->GdipGetFontHeight(font_.get(), graphics, &height) != Gdiplus::Ok) return 0;
  return height;
}

GpStatus GdipStringFormat::create(int flags, LANGID language) {
  const auto* g = gdiplus();
  if (!g) return kNotLoaded;
  GpStringFormat* created = nullptr;
  const GpStatus status = g->GdipCreateStringFormat(flags, language, &created);
  if (status == Gdiplus::Ok) set_handle(created);
  return status;
}

GpStatus GdipStringFormat::set_align(Gdiplus::StringAlignment align) {
  const auto* g = gdiplus();
  return g ? g->GdipSetStringFormatAlign(format_.get(), align) : kNotLoaded;
}

GpStatus GdipStringFormat::set_line_align(Gdiplus::StringAlignment align) {
  const auto* g = gdiplus();
  return g ? g->GdipSetStringFormatLineAlign(format_.get(), align) : kNotLoaded;
}

GpStatus GdipStringFormat::set_aligns(Gdiplus::StringAlignment align, Gdiplus::StringAlignment line_align) {
  const GpStatus status = set_align(align);
  return status == Gdiplus::Ok ? set_line_align(line_align) : status;
}

}  // namespace skin
