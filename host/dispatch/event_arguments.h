// How a window message's details become the arguments of a unit's event.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/services/value.h"

namespace host {

// The key code a key event reports: the virtual-key code, except that the
// numeric keypad's digits read as the main digit keys and its minus, decimal
// point and divide as the main keyboard's - . / keys.
std::int32_t event_key_code(std::uint32_t virtual_key);

// The state argument: 1 Ctrl, 2 Shift, 4 Alt held.
std::int32_t key_state_bits(bool ctrl, bool shift, bool alt);

// Wheel notches from the wheel delta (120 a notch), signed.
std::int32_t wheel_notches(std::int16_t wheel_delta);

// A typed character's code in the character event: its GBK bytes as one
// number, a double-byte character as lead byte * 256 + trail byte.
std::int32_t character_code_of(std::string_view gbk_character);
// The GBK bytes of a character code a handler hands back: one byte below
// 0x100, else the lead and the trail byte.
Text gbk_of_character_code(std::int32_t code);

}  // namespace host
