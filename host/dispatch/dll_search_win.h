// Where the program lets Windows look for DLLs.
#pragma once

namespace host {

// Limits DLL loading to the system folder, so that no DLL planted beside the
// program or in the current directory is ever loaded. Call first thing.
void restrict_dll_search_to_system();

}  // namespace host
