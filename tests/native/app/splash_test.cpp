#include "app/splash.h"

#include <gtest/gtest.h>

#include "app_fixture.h"

namespace app_test {
namespace {

using host::HandlerId;
using Strings = std::vector<std::string>;

class SplashTest : public AppTest {
 protected:
  // Frame k is the single byte k.
  void start_with_frames(int count) {
    for (int k = 1; k <= count; ++k) frame_bytes_.push_back({static_cast<std::uint8_t>(k)});
    std::vector<app::SplashFrame> frames(frame_bytes_.begin(), frame_bytes_.end());
    start(std::move(frames));
    host.log.clear();
  }

  void tick(int times = 1) {
    for (int i = 0; i < times; ++i) host.fire(HandlerId::SplashTick);
  }

  Strings hand_over_steps() const { return calls({"load_window", "write main.", "destroy_unit"}); }

  std::vector<std::vector<std::uint8_t>> frame_bytes_;
};

const std::string kTitle = "Verbrook    --  Tamberlo出品 www.tamberlo.com  ";

TEST_F(SplashTest, TwentyEightFramesOnePerTickInStoredOrder) {
  start_with_frames(28);
  tick(28);
  ASSERT_EQ(skin.record.images.size(), 28u);
  for (std::uint8_t k = 1; k <= 28; ++k) EXPECT_EQ(skin.record.images[k - 1], (std::vector<std::uint8_t>{k}));
  EXPECT_FALSE(host.loaded(host::form::kMain));
  EXPECT_TRUE(hand_over_steps().empty());
}

// Showing the modally loaded main window enters its loop, which does not
// return while the program runs: the next tick comes inside it and does the
// rest of the hand-over.
TEST_F(SplashTest, TheTwentyNinthTickHandsOverToTheMainWindowAndTheNextTickFinishesIt) {
  start_with_frames(28);
  tick(28);
  host.log.clear();
  tick();
  EXPECT_EQ(skin.record.images.size(), 28u);  // no frame on these ticks
  // The skin layer goes before the main window comes: the last frame needs it no more.
  EXPECT_EQ(calls({"load_window", "write main.", "destroy_unit", "modal loop", "event SplashTick", "skin"}),
            (Strings{"event SplashTick", "skin window destroyed", "skin shutdown", "load_window main modal",
                     "write main.Visible=true", "modal loop", "event SplashTick", "load_window main modal",
                     "write main.Visible=true", "write main.Caption=\"" + kTitle + "\"", "destroy_unit timer",
                     "destroy_unit startup"}));
  EXPECT_EQ(host.caption(), kTitle);
  EXPECT_FALSE(host.loaded(host::form::kStartup));
  // The window was sized to the edit box while loading, and the edit box took the focus.
  EXPECT_EQ(host.edit_int(host::prop::kWidth), 550);
  EXPECT_EQ(host.focus(), host::units::kEditBox);
}

TEST_F(SplashTest, ATickAfterTheHandOverRepeatsItHarmlessly) {
  start_with_frames(28);
  tick(29);
  host.log.clear();
  tick();
  EXPECT_EQ(hand_over_steps(), (Strings{"load_window main modal", "write main.Visible=true",
                                        "write main.Caption=\"" + kTitle + "\"", "destroy_unit timer",
                                        "destroy_unit startup"}));
  EXPECT_EQ(skin.record.images.size(), 28u);
  EXPECT_EQ(skin.record.shutdowns, 1);
  EXPECT_EQ(host.caption(), kTitle);
  EXPECT_TRUE(host.loaded(host::form::kMain));
}

TEST_F(SplashTest, MissingFramesDoNotDelayTheHandOver) {
  start_with_frames(3);
  tick(28);
  EXPECT_EQ(skin.record.images.size(), 3u);
  EXPECT_FALSE(host.loaded(host::form::kMain));
  tick();
  EXPECT_TRUE(host.loaded(host::form::kMain));
}

}  // namespace
}  // namespace app_test
