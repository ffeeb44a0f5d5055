// The one place where the program's texts meet the platform's UTF-16. Every
// text of the program is GB18030 bytes (host/services/gb18030.h), whatever
// the system's code page is; nothing else converts between the two.
#pragma once

#include <string>
#include <string_view>

namespace host {

std::wstring gb18030_to_wide(std::string_view text);
std::string wide_to_gb18030(std::wstring_view wide);
// For other programs: a byte that begins no character is U+FFFD.
std::wstring gb18030_to_wide_for_others(std::string_view text);

}  // namespace host
