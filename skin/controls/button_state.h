// The image button's draw state ("Vantor_DrawState") and how mouse and enable
// messages change it.
#pragma once

#include <cstdint>
#include <optional>

namespace skin {

enum DrawState : int {
  kStateNormal = 0,
  kStateOver = 1,
  kStateDown = 2,
  kStateDisabled = 3,
};

// The window messages that move the state (the Win32 values).
namespace button_message {
inline constexpr std::uint32_t kEnable = 0x000A;
inline constexpr std::uint32_t kMouseMove = 0x0200;
inline constexpr std::uint32_t kLButtonDown = 0x0201;
inline constexpr std::uint32_t kLButtonUp = 0x0202;
inline constexpr std::uint32_t kMouseLeave = 0x02A3;
}  // namespace button_message

struct ButtonTransition {
  int state = kStateNormal;
  // Entering the hover state asks for a leave notice first.
  bool track_leave = false;
  friend bool operator==(const ButtonTransition&, const ButtonTransition&) = default;
};

// The new state for a message, or nothing when the message leaves the button
// as it is (no recomposition either). `enabled` is WM_ENABLE's wParam.
std::optional<ButtonTransition> button_transition(int state, std::uint32_t message, bool enabled);

}  // namespace skin
