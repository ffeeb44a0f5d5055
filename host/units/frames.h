// What the border and title-bar properties ask of a window's frame and of an
// edit box's edge, before they become window styles.
#pragma once

#include <cstdint>

namespace host {

struct WindowFrame {
  bool title_bar = false;  // false: a bare popup, no frame at all
  bool sizing_border = false;
  bool tool_window = false;  // a small title bar
  bool sunken_edge = false;
  bool system_menu = false;
  bool maximize_box = false;
  bool minimize_box = false;
};

// Border codes: 0 none; 1/2 normal frame, resizable or fixed; 3/4 tool window;
// 5/6 sunken edge. The maximise and minimise boxes come only with the
// control box.
WindowFrame window_frame(std::int32_t border, bool control_box, bool max_button, bool min_button);

// Border codes of an edit box, in order; anything else is no edge.
enum class EditEdge { None, Sunken, Line, SunkenAndRaised, ThinSunken };

EditEdge edit_edge(std::int32_t border);

}  // namespace host
