#include "app/main_window.h"

#include "app/maker.h"
#include "host/services/text.h"

namespace app {

using host::units::kEditBox;
using host::units::kMainWindow;

host::Text main_window_title() { return host::join_texts({"Verbrook    --  Tamberlo出品 ", maker::kHost, "  "}); }

MainWindow::MainWindow(host::HostApi& host) : host_(host), properties_(host) {}

void MainWindow::hide() {
  properties_.set(kEditBox, host::prop::kDisabled, true);
  host_.set_focus(kMainWindow);
  properties_.set(kMainWindow, host::prop::window::kAlwaysOnTop, true);
  host_.set_window_transparency(host_.window_handle(kMainWindow), kHiddenAlpha);
}

void MainWindow::show() {
  host_.set_window_transparency(host_.window_handle(kMainWindow), kShownAlpha);
  properties_.set(kMainWindow, host::prop::window::kAlwaysOnTop, false);
  properties_.set(kEditBox, host::prop::kDisabled, false);
  host_.set_focus(kEditBox);
}

void MainWindow::fit_edit_box() {
  const double width = properties_.integer(kMainWindow, host::prop::kWidth);
  const double height = properties_.integer(kMainWindow, host::prop::kHeight);
  properties_.set(kEditBox, host::prop::kWidth, static_cast<std::int32_t>(width - 10));
  properties_.set(kEditBox, host::prop::kHeight, static_cast<std::int32_t>(height - 50));
}

}  // namespace app
