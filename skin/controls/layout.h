// Where the compositor puts a skinned child's image and the simulated caret.
// Sizes are signed pixels; divisions truncate toward zero.
#pragma once

namespace skin {

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// The largest size of the image's proportions that fits the box, never larger
// than the image itself.
Size fit_inside(int image_width, int image_height, int box_width, int box_height);

struct ImagePlacement {
  // The image is larger than the control at natural size: only its top-left
  // part of the control's size is drawn, and a text panel gets nothing more.
  bool cut = false;
  // Otherwise the rectangle it is drawn into, relative to the control.
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;
};

// `placement` is a "PngControl_BackType" value (see Placement).
ImagePlacement place_image(int placement, float image_width, float image_height, int box_width, int box_height);

// Height of the simulated caret line, in pixels.
inline constexpr int kCaretHeight = 12;

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// The top of the caret line: 5 pixels right of the control's caret position,
// centred vertically in the panel whatever the caret's own line.
Point caret_line_top(Point panel, int panel_height, Point caret);

}  // namespace skin
