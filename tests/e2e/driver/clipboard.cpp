#include "driver/clipboard.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

#include "driver/text.h"
#include "driver/wait.h"

namespace e2e {

namespace {

// Opens the clipboard without an owner window, waiting while another program
// has it open, and closes it when done.
class OpenClipboardSession {
 public:
  OpenClipboardSession() { poll("the clipboard", 0, [] { return OpenClipboard(nullptr) != FALSE; }); }
  ~OpenClipboardSession() { CloseClipboard(); }
  OpenClipboardSession(const OpenClipboardSession&) = delete;
  OpenClipboardSession& operator=(const OpenClipboardSession&) = delete;
};

// Moves `size` bytes into a new movable global block; the clipboard takes
// ownership of it when SetClipboardData succeeds.
void set_data(UINT format, const void* bytes, std::size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!block) throw std::runtime_error("no memory for the clipboard");
  std::memcpy(GlobalLock(block), bytes, size);
  GlobalUnlock(block);
  if (!SetClipboardData(format, block)) {
    GlobalFree(block);
    throw std::runtime_error("the clipboard refused format " + std::to_string(format));
  }
}

// Formats are listed in the order they were put on the clipboard; the ones
// the system converts from them come after.
UINT first_text_format() {
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format))
    if (format == CF_TEXT || format == CF_UNICODETEXT) return format;
  return 0;
}

template <class Char>
std::basic_string<Char> read_data(UINT format) {
  HANDLE block = GetClipboardData(format);
  if (!block) return {};
  const auto* data = static_cast<const Char*>(GlobalLock(block));
  if (!data) return {};
  // Stop at the terminating zero, inside the block whatever it holds.
  const std::size_t capacity = GlobalSize(block) / sizeof(Char);
  std::size_t length = 0;
  while (length < capacity && data[length] != 0) ++length;
  std::basic_string<Char> text(data, length);
  GlobalUnlock(block);
  return text;
}

}  // namespace

void put_on_clipboard(std::string_view gbk_text) {
  const std::wstring unicode = wide(gbk_text);
  const std::string bytes(gbk_text);
  const OpenClipboardSession clipboard;
  if (!EmptyClipboard()) throw std::runtime_error("cannot empty the clipboard");
  set_data(CF_UNICODETEXT, unicode.c_str(), (unicode.size() + 1) * sizeof(wchar_t));
  set_data(CF_TEXT, bytes.c_str(), bytes.size() + 1);
}

std::optional<std::string> clipboard_text() {
  const OpenClipboardSession clipboard;
  switch (first_text_format()) {
    case CF_TEXT: return read_data<char>(CF_TEXT);
    case CF_UNICODETEXT: return gbk(read_data<wchar_t>(CF_UNICODETEXT));
  }
  return std::nullopt;
}

}  // namespace e2e
