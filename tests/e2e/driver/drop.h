// Files dropped on a window from Explorer, as the shell hands them to a
// window that takes files: WM_DROPFILES with a DROPFILES block of the full
// names.
#pragma once

#include <filesystem>
#include <vector>

#include "driver/window.h"

namespace e2e {

// Posts the drop, at the centre of the window's client area. The shell makes
// the block in the receiving program; here it is written into the program's
// memory from outside. The program's DragFinish cannot free memory it did
// not allocate, so the block stays there until the program ends.
void drop_files(const Window& target, const std::vector<std::filesystem::path>& files);

}  // namespace e2e
