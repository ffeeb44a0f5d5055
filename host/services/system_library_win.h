// Loading a DLL at run time from the system folder only, never from the
// program's folder or the current directory, so that a planted file of the
// same name is never picked up.
#pragma once

#include <windows.h>

namespace host {

// The module, or null when the system folder has no such DLL. The caller holds
// one reference to it (FreeLibrary, or kept until the process ends).
HMODULE load_system_library(const wchar_t* file_name);

// The module's function `name` as the pointer type given, or null.
template <class Pointer>
Pointer function_of(HMODULE module, const char* name) {
  // Through the generic function pointer type, which converts to any other
  // without a cast-function-type warning.
  return reinterpret_cast<Pointer>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace host
