#include "host/units/screen_metrics_win.h"

#include <windows.h>

#include "host/services/handles_win.h"

namespace host {

int screen_vertical_dpi() {
  const WindowDc screen;
  return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

}  // namespace host
