#include "skin/controls/button_state.h"

namespace skin {

std::optional<ButtonTransition> button_transition(int state, std::uint32_t message, bool enabled) {
  switch (message) {
    case button_message::kMouseMove:
      if (state == kStateOver || state == kStateDown) return std::nullopt;
      return ButtonTransition{kStateOver, true};
    case button_message::kMouseLeave:
      return ButtonTransition{kStateNormal};
    case button_message::kLButtonDown:
      return ButtonTransition{kStateDown};
    case button_message::kLButtonUp:
      return ButtonTransition{state == kStateDown ? kStateOver : kStateNormal};
    case button_message::kEnable:
      return ButtonTransition{enabled ? kStateNormal : kStateDisabled};
    default:
      return std::nullopt;
  }
}

}  // namespace skin
