#include "host/units/screen_metrics_win.h"

#include <windows.h>

namespace host {

int screen_vertical_dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace host
