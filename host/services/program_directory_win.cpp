#include "host/services/program_directory_win.h"

#include <windows.h>

namespace host {

std::wstring program_directory_wide() {
  constexpr std::size_t kLongestPath = 32768;
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    if (path.size() > kLongestPath) return {};
    path.resize(path.size() * 2);
  }
  const std::size_t backslash = path.rfind(L'\\');
  return path.substr(0, backslash == std::wstring::npos ? 0 : backslash);
}

}  // namespace host
