// Texts the layer hands to GDI+ and reads from windows.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace skin {

// A GBK text up to its first NUL as UTF-16 (c_str() adds the terminating NUL).
std::wstring text_to_wide(std::string_view gbk);

// The window's whole text, up to its first NUL.
std::wstring window_text_of(HWND window);

}  // namespace skin
