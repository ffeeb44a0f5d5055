#include "host/units/frames.h"

namespace host {

WindowFrame window_frame(std::int32_t border, bool control_box, bool max_button, bool min_button) {
  WindowFrame frame;
  if (border != 0) {
    frame.title_bar = true;
    frame.sizing_border = border % 2 == 1;
    frame.tool_window = border == 3 || border == 4;
    frame.sunken_edge = border == 5 || border == 6;
  }
  frame.system_menu = control_box;
  frame.maximize_box = control_box && max_button;
  frame.minimize_box = control_box && min_button;
  return frame;
}

EditEdge edit_edge(std::int32_t border) {
  switch (border) {
    case 1: return EditEdge::Sunken;
    case 2: return EditEdge::Line;
    case 3: return EditEdge::SunkenAndRaised;
    case 4: return EditEdge::ThinSunken;
    default: return EditEdge::None;
  }
}

}  // namespace host
