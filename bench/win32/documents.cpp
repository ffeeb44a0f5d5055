// Opening and saving 1 MB, 10 MB and 50 MB GBK manuscripts in Verbrook,
// against Wine's own notepad.exe doing the same in the same Wine session, and
// the peak working set of each with the 10 MB document open; then the 10 MB
// manuscript in UTF-8 (without and with its mark) and UTF-16 LE, once each.
//
// Both programs are driven as a person drives them, from outside, notepad set
// up to wrap as Verbrook does (bench/common/notepad_peer.h):
//  - open: Ctrl+D (Verbrook) or Ctrl+O (notepad), the file name entered in
//    the open dialog; timed from the press of its OK button until the
//    program's edit box holds the whole text (WM_GETTEXTLENGTH gives the
//    expected length, which it answers only once it is back in its message
//    loop);
//  - save: a new file name in the save dialog (Verbrook: Ctrl+S, which
//    always asks; notepad: "Save as..." in its menu), timed from the press of
//    its OK button until the file is complete and closed;
//  - memory: PeakWorkingSetSize of the process, read from outside.
// Wine's EDIT control takes seconds per megabyte to take a text in, so the
// 1 MB size is measured seven times, 10 MB three times and 50 MB once.
// Run: LC_ALL=zh_CN.UTF-8 scripts/wine-run.sh build/win32/bench_documents.exe [sizes in MB...] [encodings]
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/common/gbk_document.h"
#include "bench/common/measure.h"
#include "bench/common/notepad_peer.h"
#include "driver/app.h"
#include "driver/paths.h"
#include "driver/text.h"
#include "host/services/document_encoding.h"
#include "host/services/encoding_win.h"

namespace {

using namespace bench;

constexpr std::string_view kSavedCaption = "恭喜：";

struct Figures {
  double open_ms = 0;
  double save_ms = 0;
  double save_dialog_ms = 0;  // of save_ms, until the dialog is gone
  double peak_working_set = 0;
};

double peak_working_set(DWORD process_id) {
  const host::OwnedKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_id));
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!process || !GetProcessMemoryInfo(process.get(), &counters, sizeof counters)) return 0;
  return static_cast<double>(counters.PeakWorkingSetSize);
}

// Written completely (its size, or any size for 0) and closed (it opens
// without sharing).
bool is_written(const std::filesystem::path& file, std::size_t size) {
  std::error_code error;
  const std::uintmax_t written = std::filesystem::file_size(file, error);
  if (error || (size == 0 ? written == 0 : written != size)) return false;
  const host::OwnedKernelHandle handle(
      CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return handle.get() != INVALID_HANDLE_VALUE && handle.get() != nullptr;
}

// The width of Verbrook's edit box, which notepad's is given.
LONG verbrook_edit_width = 0;

// The file holds `bytes`; Verbrook shows `shown` UTF-16 units of them, and
// must save them back byte for byte. Notepad is checked only for GBK files,
// which it reads and writes as Verbrook does in this session.
Figures open_and_save(Peer program, const e2e::Folder& folder, const std::string& file_name, const std::string& bytes,
                      std::size_t shown, bool checked) {
  const e2e::App app = e2e::App::start(program == Peer::Verbrook ? e2e::verbrook_program() : notepad_program(), folder);
  const e2e::Window edit = app.edit_box();
  if (program == Peer::Verbrook) {
    verbrook_edit_width = client_width(edit);
  } else {
    match_edit_width(app.main_window(), edit, verbrook_edit_width);
  }
  Figures figures;
  figures.open_ms = open_through_dialog(program, app, folder.path_of(file_name), checked ? shown : 0);
  figures.peak_working_set = peak_working_set(app.process_id());

  // Save under a new name in the save dialog: Verbrook's save always asks,
  // notepad's "Save as..." (the fourth item of its first menu) does too.
  const std::string saved_name = "saved.txt";
  const std::filesystem::path saved = folder.native() / e2e::wide(saved_name);
  if (program == Peer::Verbrook) {
    app.press(e2e::ctrl('S'));
  } else {
    app.choose_menu_item(0, 3);
  }
  const e2e::FileDialog save_dialog = app.wait_file_dialog();
  save_dialog.enter_file_name(folder.path_of(saved_name));
  const auto start = bench::Clock::now();
  save_dialog.ok();
  wait_until("the save dialog to close", [&] { return !save_dialog.window().exists(); });
  figures.save_dialog_ms = bench::ms_since(start);
  wait_until("the file written and closed", [&] { return is_written(saved, checked ? bytes.size() : 0); });
  figures.save_ms = bench::ms_since(start);
  if (program == Peer::Verbrook) app.wait_message_box(kSavedCaption).press(IDOK);
  if (checked && folder.read_file(saved_name) != bytes) {
    std::fprintf(stderr, "%s saved other bytes than it opened\n", name_of(program));
    std::exit(1);
  }
  app.kill();
  return figures;
}

// A key typed into a busy desktop now and then loses its Ctrl and lands in
// the edit box as a letter; such a run is started afresh.
Figures measure_once(Peer program, const std::string& file_name, const std::string& bytes, std::size_t shown,
                     bool checked) {
  for (int attempt = 1;; ++attempt) {
    const e2e::Folder folder = e2e::Folder::fresh();
    folder.write_file(file_name, bytes);
    try {
      return open_and_save(program, folder, file_name, bytes, shown, checked);
    } catch (const e2e::WaitTimeout&) {
      if (attempt == 3) throw;
      std::printf("(%s: a wait timed out, run again)\n", name_of(program));
    }
  }
}

void measure_size(std::size_t megabytes, int runs) {
  const std::string document = bench::gbk_document(megabytes << 20);
  const std::string file_name = "manuscript-" + std::to_string(megabytes) + "mb.txt";
  std::vector<double> open[2], save[2], memory[2];
  for (int run = 0; run < runs; ++run) {
    for (const Peer program : {Peer::Verbrook, Peer::Notepad}) {
      const Figures figures =
          measure_once(program, file_name, document, shown_length(program, document), true);
      const int i = static_cast<int>(program);
      std::printf("%zu MB, %s: open %s, save %s (the dialog closing %s), peak working set %s\n", megabytes,
                  name_of(program), bench::milliseconds(figures.open_ms).c_str(),
                  bench::milliseconds(figures.save_ms).c_str(), bench::milliseconds(figures.save_dialog_ms).c_str(),
                  bench::megabytes(figures.peak_working_set).c_str());
      std::fflush(stdout);
      open[i].push_back(figures.open_ms);
      save[i].push_back(figures.save_ms);
      memory[i].push_back(figures.peak_working_set);
    }
  }
  const std::string size = std::to_string(megabytes) + " MB";
  const std::string times = runs > 1 ? std::string(" (median of ").append(std::to_string(runs)).append(")") : " (once)";
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

// The 10 MB manuscript in each encoding Verbrook keeps, opened and saved once
// by each program.
void measure_encodings() {
  const std::string text = bench::gbk_document(10 << 20);
  const std::size_t shown = host::gb18030_to_wide(text).size();
  const struct {
    const char* name;
    host::DocumentEncoding encoding;
  } encodings[] = {{"UTF-8", host::DocumentEncoding::Utf8},
                   {"UTF-8 with its mark", host::DocumentEncoding::Utf8WithMark},
                   {"UTF-16 LE", host::DocumentEncoding::Utf16LeWithMark}};
  for (const auto& encoded : encodings) {
    const std::string bytes = host::document_bytes(text, encoded.encoding);
    double open[2] = {}, save[2] = {};
    for (const Peer program : {Peer::Verbrook, Peer::Notepad}) {
      const Figures figures = measure_once(program, "manuscript.txt", bytes, shown, program == Peer::Verbrook);
      std::printf("10 MB in %s, %s: open %s, save %s\n", encoded.name, name_of(program),
                  bench::milliseconds(figures.open_ms).c_str(), bench::milliseconds(figures.save_ms).c_str());
      std::fflush(stdout);
      open[static_cast<int>(program)] = figures.open_ms;
      save[static_cast<int>(program)] = figures.save_ms;
    }
    const std::string what = std::string(" 10 MB in ") + encoded.name + " (once)";
    bench::print_row("open" + what, bench::milliseconds(open[0]), "notepad.exe " + bench::milliseconds(open[1]),
                     open[0] / open[1], "no slower than the peer", open[0] <= open[1]);
    bench::print_row("save" + what, bench::milliseconds(save[0]), "notepad.exe " + bench::milliseconds(save[1]),
                     save[0] / save[1], "no slower than the peer", save[0] <= save[1]);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::printf("ANSI code page of this session (notepad reads with it): %u\n", GetACP());
  std::vector<std::size_t> sizes = {1, 10, 50};
  bool encodings = true;
  if (argc > 1) {
    sizes.clear();
    encodings = false;
    for (int i = 1; i < argc; ++i) {
      if (std::string_view(argv[i]) == "encodings") {
        encodings = true;
      } else {
        sizes.push_back(static_cast<std::size_t>(std::atoi(argv[i])));
      }
    }
  }
  try {
    set_up_notepad_like_verbrook();
    for (const std::size_t megabytes : sizes) measure_size(megabytes, megabytes == 1 ? 7 : megabytes == 10 ? 3 : 1);
    if (encodings) measure_encodings();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
