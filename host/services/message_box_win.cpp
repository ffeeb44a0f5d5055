#include <windows.h>

#include "host/services/encoding_win.h"
#include "host/services/message_box.h"

namespace host {

int show_message_box(const Text& text, int flags, const Text& caption) {
  const std::wstring wide_text = gbk_to_wide(text);
  const std::wstring wide_caption = gbk_to_wide(message_box_caption(caption));
  const int pressed =
      MessageBoxW(nullptr, wide_text.c_str(), wide_caption.c_str(), static_cast<UINT>(message_box_style(flags)));
  return pressed - 1;
}

}  // namespace host
