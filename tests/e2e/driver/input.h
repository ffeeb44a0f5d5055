// Keyboard and mouse input as a person makes it: SendInput, which the system
// delivers to the focused window of the foreground program, through that
// program's message loop and accelerator table. Callers bring the program to
// the foreground first (App does).
#pragma once

#include <windows.h>

#include <string_view>

namespace e2e {

// A key with the modifiers held while it is pressed: VK_RETURN, 'A',
// ctrl('S'), ctrl(shift(VK_F5)), alt(VK_F4).
struct Key {
  Key(WORD virtual_key) : code(virtual_key) {}  // NOLINT: a bare key reads best at call sites
  WORD code;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

Key ctrl(Key key);
Key shift(Key key);
Key alt(Key key);

void send_key(Key key);
// Types a text: every character as a Unicode keystroke (the program receives
// WM_CHAR with that character), except that a line break ("\n" or "\r\n") is
// the Enter key, "\t" the Tab key and "\b" the Backspace key, as a person
// types them.
void send_text(std::wstring_view text);
void send_click(POINT screen_point);

// A key held down while this lives, as a person holds Ctrl while dropping a
// file with the mouse.
class HeldKey {
 public:
  explicit HeldKey(WORD virtual_key);
  ~HeldKey();
  HeldKey(const HeldKey&) = delete;
  HeldKey& operator=(const HeldKey&) = delete;

 private:
  WORD code_;
};

}  // namespace e2e
