#include "host/units/edit_control_win.h"

#include "host/units/window_text_win.h"

namespace host {

std::wstring EditControl::text() const { return window_text(window_); }

void EditControl::set_text(const std::wstring& text) const { SetWindowTextW(window_, text.c_str()); }

int EditControl::length() const { return GetWindowTextLengthW(window_); }

EditControl::Selection EditControl::selection() const {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

void EditControl::select(DWORD start, DWORD end) const { SendMessageW(window_, EM_SETSEL, start, end); }

void EditControl::scroll_caret_into_view() const { SendMessageW(window_, EM_SCROLLCARET, 0, 0); }

void EditControl::replace_selection(const std::wstring& text) const {
  SendMessageW(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void EditControl::set_limit(DWORD characters) const { SendMessageW(window_, EM_SETLIMITTEXT, characters, 0); }

void EditControl::set_read_only(bool read_only) const { SendMessageW(window_, EM_SETREADONLY, read_only, 0); }

void EditControl::set_password_char(wchar_t mask) const { SendMessageW(window_, EM_SETPASSWORDCHAR, mask, 0); }

}  // namespace host
