#include "app/splash.h"

#include <utility>

#include "app/main_window.h"

namespace app {

Splash::Splash(host::HostApi& host, std::vector<SplashFrame> frames)
    : host_(host), properties_(host), frames_(std::move(frames)) {}

void Splash::on_startup_created(skin::SkinWindow& skin_window) {
  skin_window.attach(host_.window_handle(host::units::kStartupWindow));
}

void Splash::on_tick(skin::SkinWindow* skin_window) {
  ++splash_tick_;
  if (splash_tick_ > kSplashFrameCount) {
    hand_over_to_main_window();
    return;
  }
  // A frame missing from the program is passed over like one that does not
  // decode: the count goes on, so the hand-over still comes on time.
  const auto frame = static_cast<std::size_t>(splash_tick_ - 1);
  if (frame < frames_.size() && skin_window) skin_window->load_back_image(frames_[frame]);
}

void Splash::hand_over_to_main_window() {
  // Modal, so that the startup window takes no input while both exist.
  host_.load_window(host::units::kMainWindow, std::nullopt, true);
  // Re-entered here: the first showing of a modal window runs its own loop,
  // which returns only once the window has closed (the program has ended by
  // then). The next tick arrives inside that loop and runs this again; the
  // window is loaded and shown by then, so that tick sets the title and
  // destroys the timer and the startup window.
  properties_.set(host::units::kMainWindow, host::prop::kVisible, true);
  properties_.set(host::units::kMainWindow, host::prop::window::kCaption, main_window_title());
  host_.destroy_unit(host::units::kSplashTimer);
  host_.destroy_unit(host::units::kStartupWindow);
}

}  // namespace app
