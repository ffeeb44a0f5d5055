// Verbrook's Windows entry point: the host runs the application's start-up
// order and ends the program when it returns.
#include <windows.h>

#include "host/dispatch/dll_search_win.h"
#include "host/dispatch/win_host_win.h"

namespace {

// Until the writing tool is wired in, the forms' handlers do nothing: the
// startup window shows and Esc closes it.
host::HandlerTable idle_handlers() {
  host::HandlerTable table;
  for (host::Handler& handler : table)
    handler = [](std::span<const std::int32_t>) -> host::HandlerResult { return std::nullopt; };
  return table;
}

int application_entry(host::HostApi& host) {
  host.start_runtime(idle_handlers());
  host.register_exit_procedure([] {});
  host.load_start_window(host::form::kStartup);
  host.run_message_loop();
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  host::restrict_dll_search_to_system();
  host::WinHost host;
  host.end_program(application_entry(host));
}
