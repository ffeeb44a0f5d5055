// An Application on the fake host and skin, started and, for most tests,
// brought to the main window with the log cleared.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "fake_host.h"

namespace app_test {

class AppTest : public ::testing::Test {
 protected:
  AppTest() { skin.record.log = &host.log; }

  // Runs the entry procedure (the message loop returns at once).
  void start(std::vector<app::SplashFrame> frames = {}) {
    app = std::make_unique<app::Application>(host, skin, std::move(frames));
    EXPECT_EQ(app->entry(), 0);
  }

  // Starts and plays the splash to the end: the main window is up, its edit
  // box has the focus, and the log and the boxes are cleared.
  void start_editing() {
    start();
    for (int tick = 0; tick <= app::kSplashFrameCount; ++tick) host.fire(host::HandlerId::SplashTick);
    ASSERT_TRUE(host.loaded(host::form::kMain));
    host.log.clear();
    host.boxes.clear();
  }

  host::HandlerResult key_down_in_edit_box(std::int32_t key_code) {
    return host.fire(host::HandlerId::EditKeyDown, {key_code, 0});
  }

  // The log entries that start with one of the prefixes, in order.
  std::vector<std::string> calls(std::initializer_list<std::string_view> prefixes) const {
    std::vector<std::string> kept;
    for (const std::string& entry : host.log) {
      for (std::string_view prefix : prefixes) {
        if (entry.starts_with(prefix)) {
          kept.push_back(entry);
          break;
        }
      }
    }
    return kept;
  }

  FakeSkin skin;  // outlives the application, which holds a window from it
  FakeHost host;
  std::unique_ptr<app::Application> app;
};

}  // namespace app_test
