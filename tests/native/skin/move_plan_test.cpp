#include "skin/move_plan.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

constexpr WindowRect kAt{10, 20, 110, 70};  // 100 x 50

TEST(MovePlan, OmittedValuesKeepTheWindowsOwn) {
  const struct {
    std::optional<int> left, top, width, height;
    bool no_redraw;
    MovePlan plan;
  } cases[] = {
      {{}, {}, {}, {}, false, {10, 20, 100, 50, kSwpNoZOrder | kSwpNoMove | kSwpNoSize}},
      {{}, {}, 300, {}, false, {10, 20, 300, 50, kSwpNoZOrder | kSwpNoMove}},
      {{}, {}, {}, 7, true, {10, 20, 100, 7, kSwpNoZOrder | kSwpNoMove | kSwpNoRedraw}},
      {5, {}, {}, {}, false, {5, 20, 100, 50, kSwpNoZOrder | kSwpNoSize}},
      {{}, 6, {}, {}, false, {10, 6, 100, 50, kSwpNoZOrder | kSwpNoSize}},
      {1, 2, 3, 4, false, {1, 2, 3, 4, kSwpNoZOrder}},
      {0, 0, 0, 0, true, {0, 0, 0, 0, kSwpNoZOrder | kSwpNoRedraw}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(plan_move(kAt, c.left, c.top, c.width, c.height, c.no_redraw), c.plan);
  }
}

}  // namespace
}  // namespace skin
