// From the start of the process to its first picture on the screen: Verbrook
// (its first splash frame) against Wine's notepad.exe (its main window), both
// started in the same Wine session, in turns, several times each.
//
// Watched from outside, by polling:
//  - "window": the program's first window is there and visible (for Verbrook
//    the startup window, which is also layered by then);
//  - "on screen": at least 100 pixels inside that window's rectangle differ
//    from what the desktop showed there just before the start. A layered
//    window shows nothing until its first UpdateLayeredWindow, so for
//    Verbrook this is the first splash frame drawn (the first frame is a
//    small flame: 5,572 of its pixels are not transparent).
// Run: scripts/wine-run.sh build/win32/bench_startup_to_screen.exe
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench/common/measure.h"
#include "driver/folder.h"
#include "driver/paths.h"
#include "driver/window.h"
#include "host/services/handles_win.h"
#include "support/screen_picture_win.h"

namespace {

using test_support::ScreenPicture;

constexpr int kRuns = 11;
constexpr double kPatienceMs = 30000;
constexpr std::size_t kDrawnPixels = 100;

struct Startup {
  double window_ms = 0;
  double on_screen_ms = 0;
};

std::optional<e2e::Window> first_visible_window(DWORD process_id) {
  for (const e2e::Window& window : e2e::top_level_windows(process_id))
    if (window.visible() && window.size().cx > 0) return window;
  return std::nullopt;
}

// The screen once it has not changed for a moment (a window that just went
// is no longer drawn).
ScreenPicture still_screen() {
  ScreenPicture last = ScreenPicture::take_whole_screen();
  const auto start = bench::Clock::now();
  while (bench::ms_since(start) < 5000) {
    Sleep(100);
    ScreenPicture now = ScreenPicture::take_whole_screen();
    if (now == last) break;
    last = std::move(now);
  }
  return last;
}

std::optional<Startup> start_once(const std::filesystem::path& program, const std::filesystem::path& folder) {
  const ScreenPicture before = still_screen();
  std::wstring command_line = L"\"" + program.wstring() + L"\"";
  STARTUPINFOW startup_info{};
  startup_info.cb = sizeof startup_info;
  PROCESS_INFORMATION started{};
  const auto start = bench::Clock::now();
  if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup_info, &started)) {
    std::fprintf(stderr, "cannot start %ls\n", program.c_str());
    return std::nullopt;
  }
  const host::OwnedKernelHandle process(started.hProcess);
  const host::OwnedKernelHandle thread(started.hThread);
  Startup result;
  std::optional<e2e::Window> window;
  while (bench::ms_since(start) < kPatienceMs) {
    if (!window) {
      window = first_visible_window(started.dwProcessId);
      if (window) result.window_ms = bench::ms_since(start);
    }
    if (window) {
      if (ScreenPicture::take(window->rect()).differing_pixels(before) >= kDrawnPixels) {
        result.on_screen_ms = bench::ms_since(start);
        break;
      }
    }
    Sleep(1);
  }
  TerminateProcess(process.get(), 0);
  WaitForSingleObject(process.get(), 5000);
  if (result.on_screen_ms == 0) {
    std::fprintf(stderr, "%ls showed nothing within %.0f s\n", program.c_str(), kPatienceMs / 1000);
    return std::nullopt;
  }
  return result;
}

std::filesystem::path notepad_program() {
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  return std::filesystem::path(system) / L"notepad.exe";
}

}  // namespace

int main() {
  const e2e::Folder folder = e2e::Folder::fresh();
  // Verbrook keeps its settings beside itself: a copy of its own in a fresh folder.
  const std::filesystem::path verbrook = folder.native() / L"Verbrook.exe";
  std::filesystem::copy_file(e2e::verbrook_program(), verbrook);
  const std::filesystem::path notepad = notepad_program();

  std::vector<double> ours_window_ms, ours_screen, peer_window_ms, peer_screen;
  for (int run = 0; run < kRuns; ++run) {
    const auto ours = start_once(verbrook, folder.native());
    const auto peer = start_once(notepad, folder.native());
    if (!ours || !peer) return 1;
    std::printf("run %d: Verbrook window %.0f ms, on screen %.0f ms; notepad window %.0f ms, on screen %.0f ms\n",
                run + 1, ours->window_ms, ours->on_screen_ms, peer->window_ms, peer->on_screen_ms);
    ours_window_ms.push_back(ours->window_ms);
    ours_screen.push_back(ours->on_screen_ms);
    peer_window_ms.push_back(peer->window_ms);
    peer_screen.push_back(peer->on_screen_ms);
  }
  const double ours = bench::median(ours_screen);
  const double peer = bench::median(peer_screen);
  std::printf("medians of %d: Verbrook startup window visible %.0f ms, first splash frame on screen %.0f ms; "
              "notepad window visible %.0f ms, on screen %.0f ms\n",
              kRuns, bench::median(ours_window_ms), ours, bench::median(peer_window_ms), peer);
  const double ours_window = bench::median(ours_window_ms), peer_window = bench::median(peer_window_ms);
  bench::print_row("process start to its first window shown (Verbrook: the layered startup window)",
                   bench::milliseconds(ours_window), "notepad.exe to its window " + bench::milliseconds(peer_window),
                   ours_window / peer_window, "no slower than the peer", ours_window <= peer_window);
  bench::print_row("process start to first splash frame on screen", bench::milliseconds(ours),
                   "notepad.exe to its window on screen " + bench::milliseconds(peer), ours / peer,
                   "no slower than the peer", ours <= peer);
  return 0;
}
