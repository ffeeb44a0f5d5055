// How a window message's details become the arguments of a unit's event.
#pragma once

#include <cstdint>

namespace host {

// The key code a key event reports: the virtual-key code, except that the
// numeric keypad's digits read as the main digit keys and its minus, decimal
// point and divide as the main keyboard's - . / keys.
std::int32_t event_key_code(std::uint32_t virtual_key);

// The state argument: 1 Ctrl, 2 Shift, 4 Alt held.
std::int32_t key_state_bits(bool ctrl, bool shift, bool alt);

// Wheel notches from the wheel delta (120 a notch), signed.
std::int32_t wheel_notches(std::int16_t wheel_delta);

}  // namespace host
