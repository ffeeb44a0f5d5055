#include "skin/compositor_win.h"

#include <algorithm>
#include <span>
#include <vector>

#include "skin/colour.h"
#include "skin/controls/caret_win.h"
#include "skin/controls/child_drawing_win.h"
#include "skin/dib_section_win.h"
#include "skin/property_names.h"
#include "skin/property_store_win.h"
#include "skin/stretch.h"

namespace skin {
namespace {

SIZE outer_size(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

GpImage* image_property(HWND window, const wchar_t* name) {
  return reinterpret_cast<GpImage*>(read_property(window, name));
}

// The background stretched over the whole picture. False when either image
// cannot be locked as pixels; GDI+ then draws it.
bool stretch_background(GpImage* background, GpImage* picture) {
  const BitmapPixels from(background, Gdiplus::ImageLockModeRead);
  const BitmapPixels to(picture, Gdiplus::ImageLockModeWrite);
  if (!from || !to) return false;
  stretch_bilinear({from.row(0), from.width(), from.height(), from.stride()},
                   {to.row(0), to.width(), to.height(), to.stride()});
  return true;
}

}  // namespace

GdipImage compose_window(HWND window) {
  const auto* g = gdiplus();
  if (!g) return {};
  const SIZE size = outer_size(window);
  GdipImage picture = create_argb_bitmap(size.cx, size.cy);
  GpImage* background = image_property(window, prop::kBackImage);
  const bool stretched = background && stretch_background(background, picture.get());
  std::vector<HWND> skinned;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (read_property(child, prop::kType) != 0) skinned.push_back(child);
  }
  // A Graphics only for what is left to draw with it (the splash has nothing).
  if ((!background || stretched) && skinned.empty()) return picture;
  const GdipGraphics graphics = graphics_for(picture.get());
  if (!graphics) return picture;
  if (background && !stretched) {
    float width = 0;
    float height = 0;
    g->GdipGetImageDimension(picture.get(), &width, &height);
    g->GdipDrawImageRect(graphics.get(), background, 0, 0, width, height);
  }
  for (HWND child : skinned) draw_skinned_child(window, child, graphics.get());
  return picture;
}

void compose_and_present(HWND window) {
  GdipImage picture = compose_window(window);
  present_layered(window, picture.get(), false);
  CaretState& caret = caret_state();
  if (window == caret.parent) caret.image = std::move(picture);
}

PresentationSurface::PresentationSurface(HWND window, GpImage* picture, bool with_caret)
    : size_(outer_size(window)),
      window_dc_(window),
      memory_dc_(CreateCompatibleDC(window_dc_.get())),
      dib_(memory_dc_.get(), size_.cx, size_.cy),
      selected_(memory_dc_.get(), dib_.get()) {
  const BitmapPixels pixels(picture, Gdiplus::ImageLockModeRead);
  if (!dib_.get() || !pixels) return;
  // The picture at its own size, as far as the window reaches; the DIB's rows
  // run bottom-up and UpdateLayeredWindow wants premultiplied alpha.
  const int width = std::min<int>(size_.cx, pixels.width());
  const int height = std::min<int>(size_.cy, pixels.height());
  for (int y = 0; y < height; ++y) {
    premultiply({pixels.row(y), static_cast<std::size_t>(width)},
                {dib_.bits() + static_cast<std::ptrdiff_t>(size_.cy - 1 - y) * size_.cx, static_cast<std::size_t>(width)});
  }
  if (with_caret) draw_caret_on_surface(window);
  ready_ = true;
}

void PresentationSurface::draw_caret_on_surface(HWND window) {
  // A GDI+ view of the DIB's pixels, top row first.
  const auto* g = gdiplus();
  GpBitmap* view = nullptr;
  std::uint32_t* top_row = dib_.bits() + static_cast<std::ptrdiff_t>(size_.cy - 1) * size_.cx;
  if (g->GdipCreateBitmapFromScan0(size_.cx, size_.cy, -size_.cx * 4, PixelFormat32bppPARGB,
                                   reinterpret_cast<BYTE*>(top_row), &view) != Gdiplus::Ok) {
    return;
  }
  const GdipImage canvas = created<GdipImage>(view);
  const GdipGraphics graphics = graphics_for(canvas.get());
  if (graphics) draw_caret(window, caret_state().child, graphics.get());
}

void present_layered(HWND window, GpImage* picture, bool with_caret) {
  if (!gdiplus() || !IsWindow(window) || !picture) return;
  PresentationSurface surface(window, picture, with_caret);
  if (!surface) return;
  SIZE size = surface.size();
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(window, surface.window_dc(), nullptr, &size, surface.dc(), &source, 0, &blend, ULW_ALPHA);
}

}  // namespace skin
