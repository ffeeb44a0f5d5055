// Work that runs now and then on the user-interface thread, away from any
// form: timers on a message-only window of their own, so that their ticks
// come through every message loop, also a dialog's or a message box's.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "host/services/handles_win.h"

namespace host {

class IntervalTimers {
 public:
  IntervalTimers() = default;
  IntervalTimers(const IntervalTimers&) = delete;
  IntervalTimers& operator=(const IntervalTimers&) = delete;

  // Calls `tick` every `milliseconds` while the timers live; false when the
  // system gives no timer.
  bool start(UINT milliseconds, std::function<void()> tick);

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  bool make_window();

  OwnedWindow window_;
  std::vector<std::function<void()>> ticks_;
};

}  // namespace host
