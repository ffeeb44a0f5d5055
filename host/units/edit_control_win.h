// Typed calls on a Windows EDIT control, so that the rest of the code never
// sends raw edit messages. Positions are UTF-16 units, as the control counts.
#pragma once

#include <windows.h>

#include <string>

namespace host {

class EditControl {
 public:
  explicit EditControl(HWND window) : window_(window) {}

  HWND window() const { return window_; }

  std::wstring text() const;
  // Replaces the whole text; the caret goes to the start and the view to the
  // first line. Texts are taken as std::wstring, which ends with the NUL the
  // control wants: a document is not copied once more on its way in.
  void set_text(const std::wstring& text) const;
  int length() const;

  struct Selection {
    DWORD start;
    DWORD end;
  };
  Selection selection() const;
  void select(DWORD start, DWORD end) const;
  void scroll_caret_into_view() const;
  // Replaces the selection (or inserts at the caret); undoable.
  void replace_selection(const std::wstring& text) const;

  // 0 sets the system's maximum.
  void set_limit(DWORD characters) const;
  void set_read_only(bool read_only) const;
  void set_password_char(wchar_t mask) const;

 private:
  HWND window_;
};

}  // namespace host
