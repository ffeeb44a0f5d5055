// The system's colour dialog, for colours beyond the palette.
#pragma once

#include <windows.h>

#include <optional>

namespace host {

// Runs the dialog modal to the owner, fully open and starting at `initial`;
// the chosen colour, or none when cancelled. The custom colours the writer
// defines in it are kept for the rest of the run.
std::optional<COLORREF> choose_colour(HWND owner, COLORREF initial);

}  // namespace host
