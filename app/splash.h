// The startup window's animation and the hand-over to the main window.
#pragma once

#include <cstdint>
#include <vector>

#include "app/splash_frames.h"
#include "app/unit_properties.h"
#include "host/host_api.h"
#include "skin/skin_api.h"

namespace app {

// The frames are played one per timer tick; the tick after the last frame
// brings up the main window.
inline constexpr int kSplashFrameCount = 28;

class Splash {
 public:
  Splash(host::HostApi& host, std::vector<SplashFrame> frames);

  // The startup window has been created: the skin layer takes it over.
  void on_startup_created(skin::SkinWindow& skin_window);

  // One tick of the startup window's timer. The hand-over comes on the tick
  // after the last frame and is finished by the next one, which runs inside
  // the main window's modal loop (splash.cpp says how); doing it again is
  // harmless. The skin window object is gone by the time the hand-over runs.
  void on_tick(skin::SkinWindow* skin_window);

  const std::vector<SplashFrame>& frames() const { return frames_; }

  // The next tick starts the hand-over: no frame is left to show.
  bool next_tick_hands_over() const { return splash_tick_ >= kSplashFrameCount; }

  // The hand-over has run to its end.
  bool main_window_up() const { return splash_tick_ > kSplashFrameCount; }

 private:
  void hand_over_to_main_window();

  host::HostApi& host_;
  UnitProperties properties_;
  std::vector<SplashFrame> frames_;
  std::int32_t splash_tick_ = 0;
};

}  // namespace app
