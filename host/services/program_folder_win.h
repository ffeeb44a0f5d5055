// The folder holding the program file, as the platform names it.
#pragma once

#include <string>

namespace host {

// UTF-16, without a trailing backslash; empty when it cannot be had. Kept in
// UTF-16 so that a folder name outside GBK still works as a current directory.
std::wstring program_folder();

}  // namespace host
