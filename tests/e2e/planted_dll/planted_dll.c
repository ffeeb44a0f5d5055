/* A DLL that tells when it is loaded: on process attach it leaves an empty
 * file named after itself with ".loaded" added, beside itself. It needs
 * nothing but kernel32 and exports nothing, so it can be copied under any DLL
 * name into a folder where no DLL should ever be taken from. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
  static const WCHAR suffix[] = L".loaded";
  WCHAR marker[MAX_PATH + sizeof suffix / sizeof suffix[0]];
  (void)reserved;
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  const DWORD length = GetModuleFileNameW(self, marker, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  lstrcpyW(marker + length, suffix);
  const HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return TRUE;
}
