#include "host/dispatch/event_arguments.h"

#include "host/forms/ids.h"

namespace host {
namespace {

// Virtual-key codes (the values Windows gives them).
constexpr std::uint32_t kNumpad0 = 0x60;
constexpr std::uint32_t kNumpad9 = 0x69;
constexpr std::uint32_t kSubtract = 0x6D;
constexpr std::uint32_t kDecimal = 0x6E;
constexpr std::uint32_t kDivide = 0x6F;
constexpr std::int32_t kOemMinus = 0xBD;
constexpr std::int32_t kOemPeriod = 0xBE;
constexpr std::int32_t kOemSlash = 0xBF;
constexpr std::int32_t kWheelDelta = 120;

}  // namespace

std::int32_t event_key_code(std::uint32_t virtual_key) {
  if (virtual_key >= kNumpad0 && virtual_key <= kNumpad9)
    return static_cast<std::int32_t>('0' + (virtual_key - kNumpad0));
  switch (virtual_key) {
    case kSubtract: return kOemMinus;
    case kDecimal: return kOemPeriod;
    case kDivide: return kOemSlash;
    default: return static_cast<std::int32_t>(virtual_key);
  }
}

std::int32_t key_state_bits(bool ctrl, bool shift, bool alt) {
  return (ctrl ? key_state::kCtrl : 0) | (shift ? key_state::kShift : 0) | (alt ? key_state::kAlt : 0);
}

std::int32_t wheel_notches(std::int16_t wheel_delta) { return wheel_delta / kWheelDelta; }

std::int32_t character_code_of(std::string_view gbk_character) {
  std::int32_t code = 0;
  for (unsigned char byte : gbk_character) code = code << 8 | byte;
  return code;
}

Text gbk_of_character_code(std::int32_t code) {
  Text gbk;
  if (code > 0xFF) gbk += static_cast<char>((code >> 8) & 0xFF);
  gbk += static_cast<char>(code & 0xFF);
  return gbk;
}

}  // namespace host
