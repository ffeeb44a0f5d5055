// Message-only windows that call back into the object they were made for:
// their work then runs on the user-interface thread from every message loop,
// also a dialog's or a message box's.
#pragma once

#include <windows.h>

#include "host/services/handles_win.h"

namespace host {

// Registers the class (once per process) and makes a message-only window of
// it with `owner` as its user data; empty when the system gives none.
OwnedWindow make_message_window(const wchar_t* class_name, WNDPROC procedure, void* owner);

// The object a window of make_message_window was made for; null while the
// window is being created.
template <class Owner>
Owner* message_window_owner(HWND window) {
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace host
