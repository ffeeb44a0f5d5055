// Verbrook's Windows entry point: the host runs the application's start-up
// order and ends the program when it returns.
#include <windows.h>

#include "app/application.h"
#include "host/dispatch/dll_search_win.h"
#include "host/services/command_line_win.h"
#include "host/win_host_win.h"
#include "skin/skin_layer_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  host::restrict_dll_search_to_system();
  // Before the runtime makes the program's folder the current directory.
  host::WinHost host(host::command_line_document());
  skin::SkinLayer skin;
  app::Application application(host, skin, app::embedded_splash_frames());
  host.end_program(application.entry());
}
