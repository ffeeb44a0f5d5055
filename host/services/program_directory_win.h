// The program directory (the folder holding the program file) as the
// platform names it; program_directory() in files.h gives it as a text.
#pragma once

#include <string>

namespace host {

// UTF-16, without a trailing backslash; empty when it cannot be had. Kept in
// UTF-16 so that a folder name outside GBK still works as a current directory.
std::wstring program_directory_wide();

}  // namespace host
