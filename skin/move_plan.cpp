#include "skin/move_plan.h"

namespace skin {

MovePlan plan_move(const WindowRect& current, std::optional<int> left, std::optional<int> top,
                   std::optional<int> width, std::optional<int> height, bool no_redraw) {
  MovePlan plan;
  plan.flags = kSwpNoZOrder;
  if (no_redraw) plan.flags |= kSwpNoRedraw;
  if (!left && !top) plan.flags |= kSwpNoMove;
  if (!width && !height) plan.flags |= kSwpNoSize;
  plan.x = left.value_or(current.left);
  plan.y = top.value_or(current.top);
  plan.width = width.value_or(current.right - current.left);
  plan.height = height.value_or(current.bottom - current.top);
  return plan;
}

}  // namespace skin
