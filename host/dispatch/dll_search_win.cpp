#include "host/dispatch/dll_search_win.h"

#include <windows.h>

#include "host/services/system_library_win.h"

namespace host {

void restrict_dll_search_to_system() {
  // Found at run time: older systems lack it (it came with an update to
  // Windows 7), and there the current directory is at least taken out.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const auto set_default_dll_directories = function_of<SetDefaultDllDirectoriesFunction>(
      GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  if (!set_default_dll_directories || !set_default_dll_directories(LOAD_LIBRARY_SEARCH_SYSTEM32))
    SetDllDirectoryW(L"");
}

}  // namespace host
