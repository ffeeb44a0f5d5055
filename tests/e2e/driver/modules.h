// The DLLs a program has loaded, and the DLLs a program file imports: what
// the planted-DLL scenario needs to tell which DLLs a program loads while it
// runs, by name, rather than at its start through its import tables.
#pragma once

#include <windows.h>

#include <filesystem>
#include <vector>

namespace e2e {

// Every module loaded in the process now (the program file included), by
// full path.
std::vector<std::filesystem::path> loaded_modules(DWORD process_id);

// The file names a program or DLL file imports from, as its import table
// writes them; delay-loaded imports are not among them.
std::vector<std::wstring> imported_dll_names(const std::filesystem::path& file);

// The modules among `loaded` that the system loads with `program` before any
// of its code runs: its imports, their imports, and so on, matched by file
// name without regard to case.
std::vector<std::filesystem::path> static_imports(const std::filesystem::path& program,
                                                  const std::vector<std::filesystem::path>& loaded);

}  // namespace e2e
