// Every wait of the driver polls a probe until it succeeds or a deadline
// passes. A wait that times out throws WaitTimeout, whose message says what
// was awaited and what the program's windows showed at that moment; a
// screenshot of the desktop is saved beside the other test artefacts.
#pragma once

#include <windows.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>

namespace e2e {

using namespace std::chrono_literals;

// Long enough for a slow machine, short enough that a hung test fails soon.
inline constexpr std::chrono::milliseconds kPatience = 15s;

class WaitTimeout : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void fail_wait(std::string_view what, DWORD process_id, std::chrono::milliseconds patience);

void pause_between_probes();

// Calls `probe` until its result tests true (a bool, a pointer or an
// optional) and returns that result. `process_id` names the program whose
// windows a timeout describes (0: every window on the desktop).
template <class Probe>
auto poll(std::string_view what, DWORD process_id, Probe&& probe, std::chrono::milliseconds patience = kPatience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    auto result = probe();
    if (result) return result;
    if (std::chrono::steady_clock::now() >= deadline) fail_wait(what, process_id, patience);
    pause_between_probes();
  }
}

}  // namespace e2e
