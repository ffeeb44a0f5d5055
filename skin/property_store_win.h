// The property store: every piece of per-window skin state is a pointer-sized
// value kept as a named window property (names in property_names.h). A
// property that was never set reads as 0.
#pragma once

#include <windows.h>

#include <cstdint>

namespace skin {

std::intptr_t read_property(HWND window, const wchar_t* name);
void write_property(HWND window, const wchar_t* name, std::intptr_t value);
void remove_property(HWND window, const wchar_t* name);

// Colour properties are COLORREFs in a signed 32-bit value; -1 means none.
std::int32_t read_colour_property(HWND window, const wchar_t* name);

// Removes every property the layer knows by name.
void remove_layer_properties(HWND window);

}  // namespace skin
