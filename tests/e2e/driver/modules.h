// The DLLs a program has loaded, for the planted-DLL scenario.
#pragma once

#include <windows.h>

#include <filesystem>
#include <vector>

namespace e2e {

// Every module loaded in the process now (the program file included), by
// full path.
std::vector<std::filesystem::path> loaded_modules(DWORD process_id);

}  // namespace e2e
