// Mouse input as the mouse itself makes it, for SendInput.
#pragma once

#include <windows.h>

namespace test_support {

// A mouse event at a screen point. Every event carries its own position:
// under Wine's virtual desktop the pointer position set by SetCursorPos or a
// move alone can be put back for a moment by the X server's late answer to
// the move, and a button event without a position lands where it was.
INPUT mouse_event_at(POINT point, DWORD button_flags);

}  // namespace test_support
