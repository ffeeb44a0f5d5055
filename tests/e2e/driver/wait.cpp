#include "driver/wait.h"

#include "driver/paths.h"
#include "driver/scene.h"
#include "driver/screenshot.h"

namespace e2e {

void fail_wait(std::string_view what, DWORD process_id, std::chrono::milliseconds patience) {
  std::string message = "timed out after " + std::to_string(patience.count()) + " ms waiting for " + std::string(what);
  message += "\n" + describe_scene(process_id);
  try {
    message += "screenshot: " + to_linux_path(save_screenshot("timeout")) + "\n";
  } catch (const std::exception& error) {
    message += std::string("no screenshot: ") + error.what() + "\n";
  }
  throw WaitTimeout(message);
}

// Short enough not to slow a test down, long enough not to keep a core busy.
void pause_between_probes() { Sleep(20); }

}  // namespace e2e
