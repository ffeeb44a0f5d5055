#include "host/services/posted_work_win.h"

#include "host/services/message_window_win.h"

namespace host {
namespace {

constexpr wchar_t kClassName[] = L"VerbrookPostedWork";
constexpr UINT kRunMessage = WM_APP;

}  // namespace

LRESULT CALLBACK PostedWork::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != kRunMessage) return DefWindowProcW(window, message, wparam, lparam);
  if (auto* work = message_window_owner<PostedWork>(window)) {
    work->posted_ = false;
    work->work_();
  }
  return 0;
}

bool PostedWork::post() {
  if (posted_) return true;
  if (!window_) window_ = make_message_window(kClassName, procedure, this);
  posted_ = window_ && PostMessageW(window_.get(), kRunMessage, 0, 0);
  return posted_;
}

// A destroyed window's posted messages are never delivered.
void PostedWork::cancel() {
  window_.reset();
  posted_ = false;
}

}  // namespace host
