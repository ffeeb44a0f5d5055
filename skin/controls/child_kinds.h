// The kinds of skinned child ("PngControl_Type") and the image placements
// ("PngControl_BackType"), with the values their properties hold.
#pragma once

namespace skin {

enum class ChildType : int {
  None = 0,          // not skinned
  ImageControl = 2,  // drawn, not subclassed
  ImageButton = 3,   // image by draw state
  TextPanel = 4,     // fill, image, border, text and the caret
  // Other non-zero values are skinned but draw nothing.
};

enum class Placement : int {
  Natural = 0,  // natural size at the corner, cut to the control when larger (any other value too)
  Stretch = 1,
  Fit = 2,  // fit inside and centre
};

}  // namespace skin
