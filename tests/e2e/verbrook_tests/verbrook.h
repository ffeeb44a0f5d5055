// What the scenarios know of Verbrook as a writer sees it.
#pragma once

#include <string_view>

#include "driver/app.h"
#include "driver/paths.h"

namespace verbrook {

// The startup window, which plays the splash.
inline constexpr SIZE kStartupWindowSize{495, 354};
inline constexpr SIZE kMainWindowSize{560, 620};
inline constexpr std::string_view kMainTitle = "Verbrook    --  Tamberlo出品 www.tamberlo.com  ";

inline e2e::App start(const e2e::Folder& folder) { return e2e::App::start(e2e::verbrook_program(), folder); }

inline bool is_startup_window(const e2e::Window& window) {
  const SIZE size = window.size();
  return size.cx == kStartupWindowSize.cx && size.cy == kStartupWindowSize.cy;
}

// Where a window of this size is put when it is centred on the screen.
inline POINT centred_position(SIZE size) {
  return {(GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2};
}

}  // namespace verbrook
