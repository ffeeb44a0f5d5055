// Screenshots for people reading a test's results, taken inside Wine: the
// virtual desktop's screen copied with BitBlt and written as PNG through
// GDI+. They are saved under build/win32/e2e-artifacts/ and never asserted.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string_view>

#include "support/screen_picture_win.h"

namespace e2e {

using test_support::ScreenPicture;

// Saves the whole desktop as "<test suite>.<test name>-<label>.png" (the
// running gtest test) and returns the file's path.
std::filesystem::path save_screenshot(std::string_view label);
// The same for one area of the screen (screen coordinates), e.g. a window.
std::filesystem::path save_screenshot(std::string_view label, RECT area);

}  // namespace e2e
