#include "host/services/system_library_win.h"

#include <string>

namespace host {

HMODULE load_system_library(const wchar_t* file_name) {
  std::wstring path(MAX_PATH, L'\0');
  const UINT length = GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  if (length == 0 || length >= path.size()) return nullptr;
  path.resize(length);
  path += L'\\';
  path += file_name;
  // The full path decides the DLL itself; the search flags make its own
  // dependencies come from the system folder too. Windows 7 without its DLL
  // search update refuses those flags; there the altered search path does the
  // same through the DLL's folder.
  if (HMODULE module = LoadLibraryExW(path.c_str(), nullptr,
                                      LOAD_LIBRARY_SEARCH_SYSTEM32 | LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR))
    return module;
  if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
  return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace host
