#include "host/services/encoding_win.h"

#include "host/services/gb18030.h"

namespace host {

// wchar_t is a UTF-16 unit on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring gb18030_to_wide(std::string_view text) { return gb18030::to_wide(text); }

std::wstring gb18030_to_wide_for_others(std::string_view text) { return gb18030::to_wide_for_others(text); }

std::string wide_to_gb18030(std::wstring_view wide) {
  return gb18030::from_utf16(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

}  // namespace host
