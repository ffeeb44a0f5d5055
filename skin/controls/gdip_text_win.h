// GDI+ font, font family and string format, each owning its one handle.
// set_handle releases the held handle before taking the new one.
#pragma once

#include <windows.h>

#include <string_view>

#include "skin/gdiplus_handles_win.h"

namespace skin {

class GdipFontFamily {
 public:
  void release() noexcept { family_.reset(); }
  // A family of the system's fonts by its (GBK) name; the GDI+ status.
  GpStatus from_name(std::string_view name);
  GpFontFamily* get_handle() const noexcept { return family_.get(); }
  void set_handle(GpFontFamily* family) noexcept { family_ = GdipOwned<GpFontFamily, delete_font_family>(family); }

 private:
  GdipOwned<GpFontFamily, delete_font_family> family_;
};

class GdipFont {
 public:
  void release() noexcept { font_.reset(); }
  GpStatus from_family_name(std::string_view family_name, float em_size, int style, Gdiplus::Unit unit);
  GpStatus from_dc(HDC dc);
  // The font of a window (WM_GETFONT); null, keeping the held font, when the
  // window has none.
  GpFont* from_window(HWND window);
  // The same face, size and style as a GDI font, sized in pixels; null,
  // keeping the held font, for no font.
  GpFont* from_hfont(HFONT font);
  GpFont* get_handle() const noexcept { return font_.get(); }
  void set_handle(GpFont* font) noexcept { font_ = GdipOwned<GpFont, delete_font>(font); }
  GpStatus style(int& style) const;
  GpStatus size(float& size) const;
  GpStatus unit(Gdiplus::Unit& unit) const;
  // The line spacing in the graphics' units; 0 on failure.
  float height(GpGraphics* graphics) const;

 private:
  GdipOwned<GpFont, delete_font> font_;
};

class GdipStringFormat {
 public:
  void release() noexcept { format_.reset(); }
  GpStatus create(int flags, LANGID language);
  GpStatus set_align(Gdiplus::StringAlignment align);
  GpStatus set_line_align(Gdiplus::StringAlignment align);
  GpStatus set_aligns(Gdiplus::StringAlignment align, Gdiplus::StringAlignment line_align);
  void set_handle(GpStringFormat* format) noexcept {
    format_ = GdipOwned<GpStringFormat, delete_string_format>(format);
  }
  GpStringFormat* get_handle() const noexcept { return format_.get(); }

 private:
  GdipOwned<GpStringFormat, delete_string_format> format_;
};

// The GDI+ style bits for a GDI font: bold from semi-bold weight up, italic,
// underline, strike-out.
int font_style_of(const LOGFONTW& font);

}  // namespace skin
