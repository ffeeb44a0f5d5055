// A window's text (title, or an edit control's content) as UTF-16.
#pragma once

#include <windows.h>

#include <string>

namespace host {

std::wstring window_text(HWND window);

}  // namespace host
