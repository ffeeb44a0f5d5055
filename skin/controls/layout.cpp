#include "skin/controls/layout.h"

#include "skin/controls/child_kinds.h"

namespace skin {

Size fit_inside(int image_width, int image_height, int box_width, int box_height) {
  Size size{image_width, image_height};
  if (image_width > box_width) {
    size.width = box_width;
    size.height = static_cast<int>(static_cast<double>(image_height) * box_width / image_width);
  }
  if (size.height > box_height) {
    size.width = static_cast<int>(static_cast<double>(size.width) * box_height / size.height);
    size.height = box_height;
  }
  return size;
}

ImagePlacement place_image(int placement, float image_width, float image_height, int box_width, int box_height) {
  ImagePlacement place{false, 0, 0, image_width, image_height};
  if (placement == static_cast<int>(Placement::Stretch)) {
    place.width = static_cast<float>(box_width);
    place.height = static_cast<float>(box_height);
  } else if (placement == static_cast<int>(Placement::Fit)) {
    const Size fitted = fit_inside(static_cast<int>(image_width), static_cast<int>(image_height), box_width, box_height);
    place.width = static_cast<float>(fitted.width);
    place.height = static_cast<float>(fitted.height);
    place.x = static_cast<float>((box_width - fitted.width) / 2);
    place.y = static_cast<float>((box_height - fitted.height) / 2);
  } else {
    constexpr float kTolerance = 0.0000001f;
    place.cut = image_width - static_cast<float>(box_width) > kTolerance ||
                image_height - static_cast<float>(box_height) > kTolerance;
  }
  return place;
}

Point caret_line_top(Point panel, int panel_height, Point caret) {
  return {panel.x + caret.x + 5, panel.y + (panel_height - kCaretHeight) / 2};
}

}  // namespace skin
