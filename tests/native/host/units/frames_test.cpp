#include "host/units/frames.h"

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(WindowFrame, BorderCodesChooseTheFrame) {
  const struct {
    std::int32_t border;
    bool title_bar, sizing_border, tool_window, sunken_edge;
  } cases[] = {
      {0, false, false, false, false}, {1, true, true, false, false}, {2, true, false, false, false},
      {3, true, true, true, false},    {4, true, false, true, false}, {5, true, true, false, true},
      {6, true, false, false, true},
  };
  for (const auto& c : cases) {
    const WindowFrame frame = window_frame(c.border, false, false, false);
    EXPECT_EQ(frame.title_bar, c.title_bar) << c.border;
    EXPECT_EQ(frame.sizing_border, c.sizing_border) << c.border;
    EXPECT_EQ(frame.tool_window, c.tool_window) << c.border;
    EXPECT_EQ(frame.sunken_edge, c.sunken_edge) << c.border;
  }
}

TEST(WindowFrame, TheBoxesComeOnlyWithTheControlBox) {
  const WindowFrame without = window_frame(1, false, true, true);
  EXPECT_FALSE(without.system_menu || without.maximize_box || without.minimize_box);
  const WindowFrame with = window_frame(1, true, true, false);
  EXPECT_TRUE(with.system_menu && with.maximize_box);
  EXPECT_FALSE(with.minimize_box);
}

TEST(EditEdge, BorderCodesInOrderAndNoneForTheRest) {
  const EditEdge edges[] = {EditEdge::None, EditEdge::Sunken, EditEdge::Line, EditEdge::SunkenAndRaised,
                            EditEdge::ThinSunken, EditEdge::None};
  for (std::int32_t border = 0; border < 6; ++border) EXPECT_EQ(edit_edge(border), edges[border]) << border;
  EXPECT_EQ(edit_edge(-1), EditEdge::None);
}

}  // namespace
}  // namespace host
