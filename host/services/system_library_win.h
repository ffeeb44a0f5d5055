// Loading a DLL at run time from the system folder only, never from the
// program's folder or the current directory, so that a planted file of the
// same name is never picked up.
#pragma once

#include <windows.h>

namespace host {

// The module, or null when the system folder has no such DLL. Never freed:
// what it holds is used until the process ends.
HMODULE load_system_library(const wchar_t* file_name);

}  // namespace host
