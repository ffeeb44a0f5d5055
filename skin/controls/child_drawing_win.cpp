#include "skin/controls/child_drawing_win.h"

#include "skin/colour.h"
#include "skin/controls/button_state.h"
#include "skin/controls/child_kinds.h"
#include "skin/controls/gdip_text_win.h"
#include "skin/controls/layout.h"
#include "skin/property_names.h"
#include "skin/property_store_win.h"
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

}  // namespace skin
