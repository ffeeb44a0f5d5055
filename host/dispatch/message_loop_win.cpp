// The message loop: each message is offered to the host's pre-translation
// first, then translated and dispatched.
#include "host/dispatch/live_form_win.h"
#include "host/dispatch/runtime_win.h"

namespace host {

void Runtime::run_message_loop() {
  loop_entered_ = true;
  if (forms_.empty()) return;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) process_message(message);
}

void Runtime::run_until(const std::function<bool()>& done) {
  MSG message;
  while (!done()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) return;
    if (got == 0) {
      // The quit message belongs to the outermost loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    process_message(message);
  }
}

void Runtime::process_message(MSG& message) {
  if (!message.hwnd && message.message == kEndProgramMessage) end_program(static_cast<int>(message.wParam));
  if (pre_translate(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace host
