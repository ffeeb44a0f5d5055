// Starting the skin layer: GDI+, the id of its time frame dimension and the
// loader window class.
#pragma once

#include <windows.h>

namespace skin {

// Starts GDI+ unless it runs; the rest is done once. When GDI+ cannot be
// loaded or started, images never decode and nothing is drawn.
void skin_startup();

// Lets go of the caret's picture, shuts GDI+ down and unloads it, once no
// skinned window is left: every image must be gone by then, so the windows
// that hold images are destroyed first. A later skin_startup starts GDI+ again.
void skin_shutdown();

// GDI+'s time frame dimension, parsed at start-up (zero before).
const GUID& frame_dimension_time();

inline constexpr wchar_t kLoaderClassName[] = L"VantorLoadDialog";

}  // namespace skin
