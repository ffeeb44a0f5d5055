#include "host/services/interval_timers_win.h"

#include <utility>

namespace host {
namespace {

constexpr wchar_t kClassName[] = L"VerbrookIntervalTimers";

}  // namespace

LRESULT CALLBACK IntervalTimers::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  } else if (message == WM_TIMER) {
    auto* timers = reinterpret_cast<IntervalTimers*>(GetWindowLongPtrW(window, GWLP_USERDATA));
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
  if (window_) return true;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.lpszClassName = kClassName;
  if (!RegisterClassExW(&window_class) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  window_ = OwnedWindow(CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this));
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
