// Holds Verbrook and notepad.exe still at the moments bench/wine/memory_by_kind.sh
// measures them from the Linux side: at rest (the main window up, no
// document, 6 s after the start) and after a 1 MB GBK manuscript was opened
// through the open dialog. Each run starts Verbrook, then notepad (set up to
// wrap as Verbrook does); at each moment this writes "<program file> <moment>
// <run>" into moment.txt of the given folder and waits until the script has
// removed it.
// Run by bench/wine/memory_by_kind.sh:
//   scripts/wine-run.sh build/win32/bench_memory_moments.exe <runs> <folder>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "bench/common/gbk_document.h"
#include "bench/common/notepad_peer.h"
#include "driver/app.h"
#include "driver/paths.h"

namespace {

using namespace bench;

// The splash is over after 1.5 s and the main window up by then.
constexpr DWORD kSettleAtRestMs = 6000;
// The open dialog's going, and what the edit control does after its text.
constexpr DWORD kSettleAfterOpenMs = 2000;

// Tells the script which program to measure now, and waits until it has.
void hold_for_measure(const std::filesystem::path& signals, const e2e::App& app, const std::filesystem::path& program,
                      const char* moment, int run) {
  if (!app.running()) throw std::runtime_error(program.filename().string() + " ended before it was measured");
  const std::filesystem::path written = signals / L"moment.new", moment_file = signals / L"moment.txt";
  std::ofstream(written, std::ios::binary) << program.filename().string() << ' ' << moment << ' ' << run << '\n';
  if (!MoveFileExW(written.c_str(), moment_file.c_str(), MOVEFILE_REPLACE_EXISTING))
    throw std::runtime_error("cannot write " + e2e::to_linux_path(moment_file));
  wait_until("the script to measure", [&] { return !std::filesystem::exists(moment_file); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bench_memory_moments <runs> <folder>\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const std::filesystem::path signals = e2e::from_linux_path(argv[2]);
  try {
    set_up_notepad_like_verbrook();
    const std::string document = gbk_document(1 << 20);
    const std::string file_name = "manuscript-1mb.txt";
    LONG verbrook_edit_width = 0;
    for (int run = 1; run <= runs; ++run) {
      for (const Peer program : {Peer::Verbrook, Peer::Notepad}) {
        const e2e::Folder folder = e2e::Folder::fresh();
        folder.write_file(file_name, document);
        const std::filesystem::path program_file =
            program == Peer::Verbrook ? e2e::verbrook_program() : notepad_program();
        const e2e::App app = e2e::App::start(program_file, folder);
        const e2e::Window edit = app.edit_box();
        if (program == Peer::Verbrook) {
          verbrook_edit_width = client_width(edit);
        } else {
          match_edit_width(app.main_window(), edit, verbrook_edit_width);
        }
        Sleep(kSettleAtRestMs);
        hold_for_measure(signals, app, program_file, "rest", run);
        open_through_dialog(program, app, folder.path_of(file_name), shown_length(program, document));
        Sleep(kSettleAfterOpenMs);
        hold_for_measure(signals, app, program_file, "open", run);
      }
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
