// The main window's own reactions: the one-key hide and show on Esc, and the
// edit box following the window's size.
#pragma once

#include "app/unit_properties.h"
#include "host/host_api.h"

namespace app {

// Low enough to get out of the way, high enough to find the window again.
inline constexpr int kHiddenAlpha = 6;
inline constexpr int kShownAlpha = 255;

// The title the main window gets when the splash hands over to it.
host::Text main_window_title();

class MainWindow {
 public:
  explicit MainWindow(host::HostApi& host);

  // Esc in the edit box: nearly transparent, on top of everything, and the
  // keys go to the window so that a second Esc reaches it.
  void hide();
  // Esc on the main window. Nothing of the state before the hide is kept, so
  // this also runs in the shown state and just focuses the edit box.
  void show();
  void fit_edit_box();

 private:
  host::HostApi& host_;
  UnitProperties properties_;
};

}  // namespace app
