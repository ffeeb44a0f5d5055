// The writing tool as the host sees it: one entry procedure, the exit hook and
// the handlers bound to the forms' events.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "app/appearance.h"
#include "app/documents.h"
#include "app/edit_commands.h"
#include "app/main_window.h"
#include "app/notices.h"
#include "app/recovery.h"
#include "app/splash.h"
#include "app/splash_frames.h"
#include "app/statistics.h"
#include "host/forms/handlers.h"
#include "host/host_api.h"
#include "skin/skin_api.h"

namespace app {

// Key codes the edit box and the main window react to.
namespace key {
inline constexpr std::int32_t kBackspace = 8;
inline constexpr std::int32_t kEnter = 13;
inline constexpr std::int32_t kEsc = 27;
}  // namespace key

class Application {
 public:
  Application(host::HostApi& host, skin::SkinApi& skin, std::vector<SplashFrame> splash_frames);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Starts the runtime, shows the startup window and runs the message loop;
  // returns 0 when the loop ends.
  int entry();

  const Statistics& statistics() const { return statistics_; }

 private:
  host::HandlerTable handler_table();
  void on_exit();
  void release_skin();
  // Esc, Backspace and Enter in the edit box; the key is never swallowed.
  void on_edit_key_down(std::int32_t key_code);
  void on_splash_tick();
  // Once, when the hand-over has run to its end.
  void on_main_window_up();
  // A command that changes the document as a whole, after which the recovery
  // copy is brought up to date.
  host::Handler document_command(std::function<void()> command);

  host::HostApi& host_;
  skin::SkinApi& skin_;
  std::unique_ptr<skin::SkinWindow> skin_window_;
  Splash splash_;
  Documents documents_;
  Recovery recovery_;
  Statistics statistics_;
  EditCommands edit_commands_;
  Notices notices_;
  MainWindow main_window_;
  Appearance appearance_;
  bool main_window_up_ = false;
};

}  // namespace app
