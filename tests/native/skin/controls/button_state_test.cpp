#include "skin/controls/button_state.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using namespace button_message;

TEST(ButtonTransition, FollowsTheMouseAndTheEnabledState) {
  const struct {
    int state;
    std::uint32_t message;
    bool enabled;
    std::optional<ButtonTransition> next;
  } cases[] = {
      {kStateNormal, kMouseMove, false, ButtonTransition{kStateOver, true}},
      {kStateDisabled, kMouseMove, false, ButtonTransition{kStateOver, true}},
      {kStateOver, kMouseMove, false, std::nullopt},
      {kStateDown, kMouseMove, false, std::nullopt},
      {kStateOver, kMouseLeave, false, ButtonTransition{kStateNormal}},
      {kStateDown, kMouseLeave, false, ButtonTransition{kStateNormal}},
      {kStateNormal, kLButtonDown, false, ButtonTransition{kStateDown}},
      {kStateDown, kLButtonUp, false, ButtonTransition{kStateOver}},
      {kStateOver, kLButtonUp, false, ButtonTransition{kStateNormal}},
      {kStateNormal, kEnable, false, ButtonTransition{kStateDisabled}},
      {kStateDisabled, kEnable, true, ButtonTransition{kStateNormal}},
      {kStateOver, 0x000F /* WM_PAINT */, false, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(button_transition(c.state, c.message, c.enabled), c.next) << c.state << " " << std::hex << c.message;
  }
}

}  // namespace
}  // namespace skin
