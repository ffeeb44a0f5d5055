#include "host/services/encoding_win.h"

#include "host/services/gb18030.h"

namespace host {

// wchar_t is a UTF-16 unit on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring gb18030_to_wide(std::string_view text) {
  const std::u16string units = gb18030::to_utf16(text);
  return std::wstring(units.begin(), units.end());
}

std::wstring gb18030_to_wide_for_others(std::string_view text) {
  const std::u16string units = gb18030::to_utf16_for_others(text);
  return std::wstring(units.begin(), units.end());
}

std::string wide_to_gb18030(std::wstring_view wide) {
  return gb18030::from_utf16(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

}  // namespace host
