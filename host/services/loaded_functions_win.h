// The functions of the common dialogs and the shell, loaded from the system
// folder when first needed instead of imported. Imported DLLs are found at
// start, by a search that begins in the program's folder before any of the
// program's code can narrow it; under Wine comdlg32.dll and shell32.dll
// bring in DLLs that are then loaded natively from there (compstui.dll
// through winspool.drv, shcore.dll through shlwapi.dll). Loaded here from
// the system folder, they bring their own from the system folder too, and
// they stay out of the start-up.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

namespace host {

#define VERBROOK_LOADED_FUNCTIONS(X)  \
  X(L"comdlg32.dll", ChooseColorW)     \
  X(L"comdlg32.dll", ChooseFontW)      \
  X(L"comdlg32.dll", GetOpenFileNameW) \
  X(L"comdlg32.dll", GetSaveFileNameW) \
  X(L"shell32.dll", DragAcceptFiles)    \
  X(L"shell32.dll", DragFinish)         \
  X(L"shell32.dll", DragQueryFileW)     \
  X(L"shell32.dll", ShellExecuteW)      \
  X(L"shell32.dll", SHGetKnownFolderPath)

// Each pointer is null when its DLL or the function is missing; a caller
// checks the one it calls.
struct LoadedFunctions {
#define VERBROOK_DECLARE(dll, name) decltype(&::name) name = nullptr;
  VERBROOK_LOADED_FUNCTIONS(VERBROOK_DECLARE)
#undef VERBROOK_DECLARE
};

// Loaded on the first call, on the user-interface thread.
const LoadedFunctions& loaded_functions();

}  // namespace host
