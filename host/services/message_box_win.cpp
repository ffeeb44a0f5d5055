#include <windows.h>

#include "host/services/encoding_win.h"
#include "host/services/message_box.h"

namespace host {

int show_message_box(const Text& text, int flags, const Text& caption) {
  const std::wstring wide_text = gb18030_to_wide(text);
  const std::wstring wide_caption = gb18030_to_wide(message_box_caption(caption));
  const HWND active_before = GetActiveWindow();
  const int pressed =
      MessageBoxW(nullptr, wide_text.c_str(), wide_caption.c_str(), static_cast<UINT>(message_box_style(flags)));
  // The box has no owner and keeps the program's windows disabled until it
  // is gone, so when it goes the system finds none of them to activate and
  // the writer would have to click the window to type on. Give the
  // activation back to the window that had it.
  if (active_before && IsWindow(active_before) && IsWindowEnabled(active_before) && !GetActiveWindow())
    SetForegroundWindow(active_before);
  return pressed - 1;
}

}  // namespace host
