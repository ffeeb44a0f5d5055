#include "skin/compositor_win.h"

#include <algorithm>
#include <span>

#include "skin/button_state.h"
#include "skin/caret_win.h"
#include "skin/child_kinds.h"
#include "skin/colour.h"
#include "skin/dib_section_win.h"
#include "skin/gdip_text_win.h"
#include "skin/layout.h"
#include "skin/property_names.h"
#include "skin/property_store_win.h"
#include "skin/stretch.h"
#include "skin/wide_text_win.h"

namespace skin {
namespace {

// A child's place in its parent's picture.
struct Box {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

SIZE outer_size(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

GpImage* image_property(HWND window, const wchar_t* name) {
  return reinterpret_cast<GpImage*>(read_property(window, name));
}

void fill_rect(GpGraphics* graphics, ARGB colour, const Box& box) {
  const GdipBrush brush = solid_brush(colour);
  if (!brush) return;
  gdiplus()->GdipFillRectangle(graphics, brush.get(), static_cast<float>(box.x), static_cast<float>(box.y),
                               static_cast<float>(box.width), static_cast<float>(box.height));
}

void draw_panel_border(HWND child, GpGraphics* graphics, const Box& box) {
  const std::int32_t colour = read_colour_property(child, prop::kOrderColor);
  if (colour == kNoColour) return;
  const GdipPen border =
      pen(color_to_argb(colour, static_cast<std::int32_t>(read_property(child, prop::kOrderAlpha))), 1.0f);
  if (!border) return;
  gdiplus()->GdipDrawRectangle(graphics, border.get(), static_cast<float>(box.x), static_cast<float>(box.y),
                               static_cast<float>(box.width), static_cast<float>(box.height));
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

// One line in the panel's font and text colour, cut at the panel's edge rather
// than wrapped, centred vertically.
void draw_panel_text(HWND child, GpGraphics* graphics, const Box& box) {
  const std::wstring text = window_text_of(child);
  if (text.empty()) return;
  GdipFont font;
  if (!font.from_window(child)) return;
  GdipStringFormat format;
  if (format.create(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoFitBlackBox, 0) != Gdiplus::Ok) {
    return;
  }
  format.set_aligns(Gdiplus::StringAlignmentNear, Gdiplus::StringAlignmentCenter);
  const GdipBrush brush = solid_brush(color_to_argb(read_colour_property(child, prop::kTextColor), 255));
  if (!brush) return;
  const Gdiplus::RectF layout(static_cast<float>(box.x + 2), static_cast<float>(box.y + 2),
                              static_cast<float>(box.width - 4), static_cast<float>(box.height - 4));
  gdiplus()->GdipDrawString(graphics, text.c_str(), static_cast<INT>(text.size()), font.get_handle(), &layout,
                            format.get_handle(), brush.get());
}

}  // namespace

GpImage* button_state_image(HWND child, int state) {
  const wchar_t* name = nullptr;
  switch (state) {
    case kStateOver: name = prop::kOverlImage; break;
    case kStateDown: name = prop::kDownImage; break;
    case kStateDisabled: name = prop::kDisableImage; break;
    default: break;
  }
  GpImage* image = name ? image_property(child, name) : nullptr;
  return image ? image : image_property(child, prop::kNormalImage);
}

void draw_skinned_child(HWND parent, HWND child, GpGraphics* graphics) {
  const auto* g = gdiplus();
  RECT rect{};
  if (!g || !GetWindowRect(child, &rect)) return;
  // Client coordinates of the parent, which are the picture's for a window
  // without frame or caption.
  POINT corner{rect.left, rect.top};
  ScreenToClient(parent, &corner);
  const Box box{corner.x, corner.y, rect.right - rect.left, rect.bottom - rect.top};
  const auto type = static_cast<ChildType>(read_property(child, prop::kType));

  GpImage* image = nullptr;
  if (type == ChildType::ImageControl) {
    image = image_property(child, prop::kBackImage);
  } else if (type == ChildType::ImageButton) {
    image = button_state_image(child, static_cast<int>(read_property(child, prop::kDrawState)));
  } else if (type == ChildType::TextPanel) {
    image = image_property(child, prop::kBackImage);
    const std::int32_t fill = read_colour_property(child, prop::kBackColor);
    if (fill != kNoColour) {
      fill_rect(graphics, color_to_argb(fill, static_cast<std::int32_t>(read_property(child, prop::kBackAlpha))),
                box);
    }
  }

  if (image) {
    float width = 0;
    float height = 0;
    g->GdipGetImageDimension(image, &width, &height);
    const ImagePlacement place = place_image(static_cast<int>(read_property(child, prop::kBackType)), width,
                                             height, box.width, box.height);
    const auto x = static_cast<float>(box.x);
    const auto y = static_cast<float>(box.y);
    if (place.cut) {
      g->GdipDrawImagePointRect(graphics, image, x, y, 0, 0, static_cast<float>(box.width),
                                static_cast<float>(box.height), Gdiplus::UnitPixel);
      return;
    }
    g->GdipDrawImageRect(graphics, image, x + place.x, y + place.y, place.width, place.height);
  }

  if (type == ChildType::TextPanel) {
    draw_panel_border(child, graphics, box);
    draw_panel_text(child, graphics, box);
  }
}

GdipImage compose_window(HWND window) {
  const auto* g = gdiplus();
  if (!g) return {};
  const SIZE size = outer_size(window);
  GdipImage picture = create_argb_bitmap(size.cx, size.cy);
  GpImage* background = image_property(window, prop::kBackImage);
  const bool stretched = background && stretch_background(background, picture.get());
  const GdipGraphics graphics = graphics_for(picture.get());
  if (!graphics) return picture;
  if (background && !stretched) {
    float width = 0;
    float height = 0;
    g->GdipGetImageDimension(picture.get(), &width, &height);
    g->GdipDrawImageRect(graphics.get(), background, 0, 0, width, height);
  }
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (read_property(child, prop::kType) != 0) draw_skinned_child(window, child, graphics.get());
  }
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
