// Opening and saving 1 MB, 10 MB and 50 MB GBK manuscripts in Verbrook,
// against Wine's own notepad.exe doing the same in the same Wine session, and
// the peak working set of each with the 10 MB document open.
//
// Both programs are driven as a person drives them, from outside:
//  - open: Ctrl+D (Verbrook) or Ctrl+O (notepad), the file name entered in
//    the open dialog; timed from the press of its OK button until the
//    program's edit box holds the whole text (WM_GETTEXTLENGTH gives the
//    expected length, which it answers only once it is back in its message
//    loop);
//  - save: Verbrook: Ctrl+S, a new file name in the save dialog, timed from
//    OK until its "saved" message box shows (the file is closed by then);
//    notepad: Ctrl+S, which writes its own file without a dialog, timed until
//    that file is complete and closed;
//  - memory: PeakWorkingSetSize of the process, read from outside.
// Wine's EDIT control takes seconds per megabyte to take a text in, so the
// 10 MB and 50 MB sizes are measured once each, the 1 MB size three times.
// Run: scripts/wine-run.sh build/win32/bench_documents.exe [sizes in MB...]
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/common/gbk_document.h"
#include "bench/common/measure.h"
#include "driver/app.h"
#include "driver/paths.h"
#include "driver/text.h"
#include "host/services/encoding_win.h"

namespace {

using namespace std::chrono_literals;

// Long enough for notepad to take 50 MB into its edit box.
constexpr auto kLongPatience = 60min;
constexpr std::string_view kSavedCaption = "恭喜：";

enum class Peer { Verbrook, Notepad };

const char* name_of(Peer program) { return program == Peer::Verbrook ? "Verbrook" : "notepad"; }

struct Figures {
  double open_ms = 0;
  double save_ms = 0;
  double peak_working_set = 0;
};

std::filesystem::path notepad_program() {
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  return std::filesystem::path(system) / L"notepad.exe";
}

// The UTF-16 length of the text as the program's edit box holds it: GBK for
// Verbrook, the ANSI code page for notepad (the same in this Wine session).
std::size_t shown_length(Peer program, const std::string& document) {
  if (program == Peer::Verbrook) return host::gbk_to_wide(document).size();
  const int length = MultiByteToWideChar(CP_ACP, 0, document.data(), static_cast<int>(document.size()), nullptr, 0);
  return static_cast<std::size_t>(length);
}

// Polls the edit box's length until it holds `expected` characters.
void wait_for_length(const e2e::Window& edit, std::size_t expected) {
  e2e::poll("the whole document in the edit box", edit.process_id(), [&] {
    DWORD_PTR length = 0;
    return SendMessageTimeoutW(edit.handle(), WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 1000, &length) &&
           length == expected;
  }, kLongPatience);
}

double peak_working_set(DWORD process_id) {
  const e2e::KernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_id));
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!process || !GetProcessMemoryInfo(process.get(), &counters, sizeof counters)) return 0;
  return static_cast<double>(counters.PeakWorkingSetSize);
}

// Written completely (its size) and closed (it opens without sharing).
bool is_written(const std::filesystem::path& file, std::size_t size, std::filesystem::file_time_type before) {
  std::error_code error;
  if (std::filesystem::last_write_time(file, error) == before || error) return false;
  if (std::filesystem::file_size(file, error) != size || error) return false;
  const e2e::KernelHandle handle(
      CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return handle.get() != INVALID_HANDLE_VALUE && handle.get() != nullptr;
}

Figures open_and_save(Peer program, const e2e::Folder& folder, const std::string& file_name,
                      const std::string& document) {
  const e2e::App app = e2e::App::start(program == Peer::Verbrook ? e2e::verbrook_program() : notepad_program(), folder);
  const e2e::Window edit = app.edit_box();
  Figures figures;

  app.press(e2e::ctrl(program == Peer::Verbrook ? 'D' : 'O'));
  const e2e::FileDialog open_dialog = app.wait_file_dialog();
  open_dialog.enter_file_name(file_name);
  const std::size_t expected = shown_length(program, document);
  auto start = bench::Clock::now();
  open_dialog.ok();
  wait_for_length(edit, expected);
  figures.open_ms = bench::ms_since(start);
  figures.peak_working_set = peak_working_set(app.process_id());

  if (program == Peer::Verbrook) {
    app.press(e2e::ctrl('S'));
    const e2e::FileDialog save_dialog = app.wait_file_dialog();
    save_dialog.enter_file_name("saved.txt");
    start = bench::Clock::now();
    save_dialog.ok();
    const e2e::MessageBoxWindow saved = app.wait_message_box(kSavedCaption, kLongPatience);
    figures.save_ms = bench::ms_since(start);
    saved.press(IDOK);
    if (folder.read_file("saved.txt") != document) {
      std::fprintf(stderr, "Verbrook saved other bytes than it opened\n");
      std::exit(1);
    }
  } else {
    const std::filesystem::path file = folder.native() / e2e::wide(file_name);
    const auto before = std::filesystem::last_write_time(file);
    start = bench::Clock::now();
    app.press(e2e::ctrl('S'));
    e2e::poll("notepad's file written and closed", app.process_id(),
              [&] { return is_written(file, document.size(), before); }, kLongPatience);
    figures.save_ms = bench::ms_since(start);
  }
  app.kill();
  return figures;
}

void measure_size(std::size_t megabytes, int runs) {
  const std::string document = bench::gbk_document(megabytes << 20);
  const std::string file_name = "manuscript-" + std::to_string(megabytes) + "mb.txt";
  std::vector<double> open[2], save[2], memory[2];
  for (int run = 0; run < runs; ++run) {
    for (const Peer program : {Peer::Verbrook, Peer::Notepad}) {
      const e2e::Folder folder = e2e::Folder::fresh();
      folder.write_file(file_name, document);
      const Figures figures = open_and_save(program, folder, file_name, document);
      const int i = static_cast<int>(program);
      std::printf("%zu MB, %s: open %s, save %s, peak working set %s\n", megabytes, name_of(program),
                  bench::milliseconds(figures.open_ms).c_str(), bench::milliseconds(figures.save_ms).c_str(),
                  bench::megabytes(figures.peak_working_set).c_str());
      std::fflush(stdout);
      open[i].push_back(figures.open_ms);
      save[i].push_back(figures.save_ms);
      memory[i].push_back(figures.peak_working_set);
    }
  }
  const std::string size = std::to_string(megabytes) + " MB";
  const std::string times = runs > 1 ? " (median of " + std::to_string(runs) + ")" : " (once)";
  const double ours_open = bench::median(open[0]), peer_open = bench::median(open[1]);
  bench::print_row("open " + size + times, bench::milliseconds(ours_open),
                   "notepad.exe " + bench::milliseconds(peer_open), ours_open / peer_open, "no slower than the peer",
                   ours_open <= peer_open);
  const double ours_save = bench::median(save[0]), peer_save = bench::median(save[1]);
  bench::print_row("save " + size + times, bench::milliseconds(ours_save),
                   "notepad.exe " + bench::milliseconds(peer_save), ours_save / peer_save, "no slower than the peer",
                   ours_save <= peer_save);
  if (megabytes == 10) {
    const double ours = bench::median(memory[0]), peer = bench::median(memory[1]);
    bench::print_row("peak working set, 10 MB document open", bench::megabytes(ours),
                     "notepad.exe " + bench::megabytes(peer), ours / peer, "no more than the peer", ours <= peer);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::printf("ANSI code page of this session (notepad reads with it): %u\n", GetACP());
  std::vector<std::size_t> sizes = {1, 10, 50};
  if (argc > 1) {
    sizes.clear();
    for (int i = 1; i < argc; ++i) sizes.push_back(static_cast<std::size_t>(std::atoi(argv[i])));
  }
  try {
    for (const std::size_t megabytes : sizes) measure_size(megabytes, megabytes == 1 ? 3 : 1);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
