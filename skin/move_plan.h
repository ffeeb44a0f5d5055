// What `move` of a skin window hands to SetWindowPos: omitted coordinates
// keep the window's current ones, and the flags say which parts stay.
#pragma once

#include <cstdint>
#include <optional>

namespace skin {

struct WindowRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct MovePlan {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  std::uint32_t flags = 0;  // SWP_* values
  friend bool operator==(const MovePlan&, const MovePlan&) = default;
};

inline constexpr std::uint32_t kSwpNoSize = 0x1;
inline constexpr std::uint32_t kSwpNoMove = 0x2;
inline constexpr std::uint32_t kSwpNoZOrder = 0x4;
inline constexpr std::uint32_t kSwpNoRedraw = 0x8;

MovePlan plan_move(const WindowRect& current, std::optional<int> left, std::optional<int> top,
                   std::optional<int> width, std::optional<int> height, bool no_redraw);

}  // namespace skin
