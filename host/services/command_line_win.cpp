#include "host/services/command_line_win.h"

#include <windows.h>

#include <string>

#include "host/services/command_line.h"
#include "host/services/encoding_win.h"

namespace host {

Text command_line_document() {
  const std::wstring argument = first_argument(GetCommandLineW());
  if (argument.empty()) return {};
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFullPathNameW(argument.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return wide_to_gb18030(argument);
    if (length < full.size()) {
      full.resize(length);
      return wide_to_gb18030(full);
    }
    full.resize(length);  // the size it needs, its NUL included
  }
}

}  // namespace host
