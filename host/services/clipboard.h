// Plain text on the clipboard, exchanged as Unicode text so that copy and
// paste with other programs work whatever the system's code page; the
// program's side is GBK.
#pragma once

#include "host/services/value.h"

namespace host {

// The clipboard's text up to its first NUL; empty when there is none or the
// clipboard cannot be opened.
Text clipboard_text();

// Empties the clipboard and puts the text there; false when the clipboard
// cannot be opened or memory cannot be had.
bool set_clipboard_text(const Text& text);

}  // namespace host
