#include "skin/wide_text_win.h"

#include "host/services/encoding_win.h"

namespace skin {

std::wstring text_to_wide(std::string_view gbk) {
  return host::gb18030_to_wide(gbk.substr(0, gbk.find('\0')));
}

std::wstring window_text_of(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text.substr(0, text.find(L'\0'));
}

}  // namespace skin
