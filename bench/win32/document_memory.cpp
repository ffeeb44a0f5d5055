// Where the memory and the time of opening a document go: the 10 MB
// manuscript taken through the program's open path step by step, in one
// process with the real host and the main window loaded, with the process's
// working set read after each step while what it made is still held, and the
// time each step took. The edit control's own copy
// (the set text alone, after everything of ours is let go) is the floor no
// program that shows the text in an EDIT control can go below; above it, at
// the peak, one UTF-16 copy of the text is ours.
// Run: scripts/wine-run.sh build/win32/bench_document_memory.exe
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "app/splash_frames.h"
#include "bench/common/gbk_document.h"
#include "bench/common/measure.h"
#include "host/services/document_encoding.h"
#include "host/services/encoding_win.h"
#include "host/services/files.h"
#include "host/win_host_win.h"
#include "skin/image_win.h"
#include "skin/skin_startup_win.h"

namespace {

double working_set_mb() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.WorkingSetSize) / (1 << 20);
}

void pump_messages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Each step's working set after it, and the time it took.
class Steps {
 public:
  Steps() : base_(working_set_mb()), last_(base_) { std::printf("working set with the main window shown: %.1f MB\n", base_); }
  void note(const char* what) {
    const double ms = bench::ms_since(started_);
    const double now = working_set_mb();
    std::printf("  %-56s %6.1f MB (%+5.1f) %9.1f ms\n", what, now, now - last_, ms);
    last_ = now;
    started_ = bench::Clock::now();
  }
  double now() const { return last_; }

 private:
  double base_;
  double last_;
  bench::Clock::time_point started_ = bench::Clock::now();
};

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  host::HandlerTable handlers;
  handlers.fill([](std::span<const std::int32_t>) { return host::HandlerResult(); });
  host::WinHost host;
  host.start_runtime(handlers);
  host.load_window(host::units::kMainWindow, std::nullopt, false);
  host.write_property(host::form::kMain, host::unit::kMainWindow, host::prop::kVisible, -1, true);
  pump_messages();
  const HWND edit = reinterpret_cast<HWND>(host.window_handle(host::units::kEditBox));

  wchar_t temporary[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temporary);
  const std::string file = host::wide_to_gb18030(temporary) + "document_memory.txt";
  {
    const std::string text = bench::gbk_document(10 << 20);
    host::write_file(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  }

  Steps steps;
  {
    // What the splash leaves while its layer runs, and after it shuts down.
    skin::skin_startup();
    for (const app::SplashFrame frame : app::embedded_splash_frames()) skin::image_from_bytes(frame);
    steps.note("the skin layer started, the 28 splash frames decoded once");
    skin::skin_shutdown();
    steps.note("the skin layer shut down");
  }
  const double before_open = steps.now();
  // The program's open, step by step: the bytes go once decoded, the text
  // once converted, as the Content write lets it go before the control takes
  // the UTF-16 text.
  host::Bytes bytes = host::read_file(file);
  steps.note("the file's bytes read");
  host::Document document =
      host::read_document(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  steps.note("its text decoded");
  host::Bytes().swap(bytes);
  steps.note("the bytes let go");
  std::wstring wide = host::gb18030_to_wide(document.text);
  steps.note("the text converted to UTF-16");
  host::Text().swap(document.text);
  steps.note("the text let go");
  SetWindowTextW(edit, wide.c_str());
  pump_messages();
  steps.note("SetWindowTextW: the edit control takes its copy");
  std::wstring().swap(wide);
  steps.note("the UTF-16 text let go: the edit control's copy alone");
  const double floor = steps.now() - before_open;

  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  std::printf("the edit control's own copy of the 10 MB document: %.1f MB; the process's peak %.1f MB\n", floor,
              static_cast<double>(counters.PeakWorkingSetSize) / (1 << 20));
  DeleteFileW(host::gb18030_to_wide(file).c_str());
  host.end_program(0);
}
