#include "skin/system_library_win.h"

#include <string>

namespace skin {

HMODULE load_system_library(const wchar_t* file_name) {
  std::wstring path(MAX_PATH, L'\0');
  const UINT length = GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  if (length == 0 || length >= path.size()) return nullptr;
  path.resize(length);
  path += L'\\';
  path += file_name;
  // A full path decides the DLL itself; the altered search path makes its own
  // dependencies come from its folder too.
  return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace skin
