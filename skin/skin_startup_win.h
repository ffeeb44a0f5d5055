// Starting the skin layer: GDI+, the id of its time frame dimension and the
// loader window class.
#pragma once

#include <windows.h>

namespace skin {

// GDI+ is started once and never shut down; later calls do nothing. When GDI+
// cannot be loaded or started, images never decode and nothing is drawn.
void skin_startup();

// GDI+'s time frame dimension, parsed at start-up (zero before).
const GUID& frame_dimension_time();

inline constexpr wchar_t kLoaderClassName[] = L"VantorLoadDialog";

}  // namespace skin
