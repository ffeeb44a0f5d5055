#include "host/services/interval_timers_win.h"

#include <utility>

#include "host/services/message_window_win.h"

namespace host {
namespace {

constexpr wchar_t kClassName[] = L"VerbrookIntervalTimers";

}  // namespace

LRESULT CALLBACK IntervalTimers::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER) {
    auto* timers = message_window_owner<IntervalTimers>(window);
    if (timers && wparam >= 1 && wparam <= timers->ticks_.size()) {
      // A copy: the tick may start another timer, which moves the list.
      const std::function<void()> tick = timers->ticks_[wparam - 1];
      tick();
    }
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

bool IntervalTimers::make_window() {
  if (!window_) window_ = make_message_window(kClassName, procedure, this);
  return static_cast<bool>(window_);
}

bool IntervalTimers::start(UINT milliseconds, std::function<void()> tick) {
  if (!make_window()) return false;
  ticks_.push_back(std::move(tick));
  if (SetTimer(window_.get(), ticks_.size(), milliseconds, nullptr)) return true;
  ticks_.pop_back();
  return false;
}

}  // namespace host
