#include "host/services/clipboard.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

#include "host/services/encoding_win.h"
#include "host/services/handles_win.h"

namespace host {
namespace {

// Open while it lives.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool is_open() const { return open_; }

 private:
  bool open_;
};

// The clipboard wants an owner window for the data it is given; a
// message-only window of the program's serves, whichever window is active.
HWND clipboard_owner() {
  static const OwnedWindow owner(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                                  GetModuleHandleW(nullptr), nullptr));
  return owner.get();
}

}  // namespace

Text clipboard_text() {
  const OpenClipboardScope clipboard(clipboard_owner());
  if (!clipboard.is_open()) return {};
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const LockedGlobal lock(data);
  if (!lock.data()) return {};
  const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
  const auto* wide = static_cast<const wchar_t*>(lock.data());
  return wide_to_gb18030(std::wstring_view(wide, wcsnlen(wide, capacity)));
}

bool set_clipboard_text(const Text& text) {
  const std::wstring wide = gb18030_to_wide_for_others(text);
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  OwnedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return false;
  {
    const LockedGlobal lock(memory.get());
    if (!lock.data()) return false;
    std::memcpy(lock.data(), wide.c_str(), bytes);
  }
  const OpenClipboardScope clipboard(clipboard_owner());
  if (!clipboard.is_open() || !EmptyClipboard()) return false;
  if (!SetClipboardData(CF_UNICODETEXT, memory.get())) return false;
  memory.release();  // the clipboard owns it now
  return true;
}

}  // namespace host
