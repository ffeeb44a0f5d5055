// Facts about the screen that sizes depend on.
#pragma once

namespace host {

// The screen's vertical pixels per logical inch (96 when it cannot be read).
int screen_vertical_dpi();

}  // namespace host
