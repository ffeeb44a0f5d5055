#include "skin/controls/child_marks_win.h"

#include "skin/property_names.h"
#include "skin/property_store_win.h"
#include "skin/window_cleanup_win.h"

namespace skin {
namespace {

// The layer's properties leave with the child.
void mark(HWND child, const wchar_t* name, std::intptr_t value) {
  release_at_destruction(child);
  write_property(child, name, value);
}

}  // namespace

void set_child_type(HWND child, ChildType type) { mark(child, prop::kType, static_cast<int>(type)); }

void set_placement(HWND child, Placement placement) { mark(child, prop::kBackType, static_cast<int>(placement)); }

bool set_child_image(HWND child, ImageSlot slot, Image image) { return hold_image(child, slot, std::move(image)); }

void set_back_colour(HWND panel, std::int32_t colour, int alpha) {
  mark(panel, prop::kBackColor, colour);
  mark(panel, prop::kBackAlpha, alpha);
}

void set_border_colour(HWND panel, std::int32_t colour, int alpha) {
  mark(panel, prop::kOrderColor, colour);
  mark(panel, prop::kOrderAlpha, alpha);
}

void set_text_colour(HWND panel, std::int32_t colour) { mark(panel, prop::kTextColor, colour); }

}  // namespace skin
