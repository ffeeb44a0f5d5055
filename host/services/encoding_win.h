// The one place where the program's GBK texts meet the platform's UTF-16.
// Every text of the program is GBK (code page 936) whatever the system's code
// page is; nothing else calls MultiByteToWideChar or WideCharToMultiByte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace host {

inline constexpr unsigned kGbkCodePage = 936;

std::wstring gbk_to_wide(std::string_view gbk);
std::string wide_to_gbk(std::wstring_view wide);
// The GBK form only when it converts back to exactly the same text: none for
// a text with a character GBK lacks (which wide_to_gbk would replace).
std::optional<std::string> wide_to_gbk_exact(std::wstring_view wide);

}  // namespace host
