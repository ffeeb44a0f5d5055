// What a failed wait reports: the foreground window, the program's focus and
// every window of the program with its controls and their texts.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

std::string describe_scene(DWORD process_id);

}  // namespace e2e
