// The edit box's Enter and Backspace handlers on a 1 MB and a 10 MB document,
// against one plain read of the edit box's text of the same size (WM_GETTEXT
// and the conversion to GBK), which any handler that looks at the document
// has to do. The real host, the real application and the handlers it binds;
// the main window is loaded and shown without the splash, the document put
// in as the program puts an opened file in, and each handler called as the
// host calls it for key code 13 or 8. What the EDIT control does after the
// handler (inserting the line break, deleting a character) is the control's
// own work and is not timed. Prints the medians and their ratios to the read.
// Then the Enter handler on the 1 MB document with a recovery copy written
// between keys, as the program writes one when typing pauses, against the
// same handler without; and the time to write the copy of 1 MB and 10 MB
// (read from the edit box, written beside the program, flushed).
// Run: scripts/wine-run.sh build/win32/bench_edit_key_handlers.exe
#include <windows.h>

#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "app/recovery.h"
#include "bench/common/gbk_document.h"
#include "bench/common/measure.h"
#include "host/services/encoding_win.h"
#include "host/units/window_text_win.h"
#include "host/win_host_win.h"
#include "skin/skin_layer_win.h"

namespace {

using host::HandlerTable;

// The real host, except that it keeps the handler table it is given, loads no
// splash, and runs the measurement where the message loop would run.
class MeasuringHost final : public host::HostApi {
 public:
  using Measurement = std::function<void(host::HostApi&, const HandlerTable&)>;

  explicit MeasuringHost(Measurement measurement) : measurement_(std::move(measurement)) {}

  void start_runtime(HandlerTable handlers) override {
    handlers_ = handlers;
    real_.start_runtime(std::move(handlers));
  }
  void register_exit_procedure(std::function<void()> procedure) override {
    real_.register_exit_procedure(std::move(procedure));
  }
  void load_start_window(host::FormId) override {}
  void run_message_loop() override { measurement_(*this, handlers_); }
  void end_program(int exit_code) override { real_.end_program(exit_code); }
  host::Text command_line_document() override { return real_.command_line_document(); }

  host::Value read_property(host::FormId form, host::UnitId unit, int index, int array_index) override {
    return real_.read_property(form, unit, index, array_index);
  }
  void write_property(host::FormId form, host::UnitId unit, int index, int array_index,
                      host::Value value) override {
    real_.write_property(form, unit, index, array_index, std::move(value));
  }
  host::WindowHandle window_handle(const host::UnitRef& unit) override { return real_.window_handle(unit); }
  bool load_window(const host::UnitRef& window, const std::optional<host::UnitRef>& parent, bool modal) override {
    return real_.load_window(window, parent, modal);
  }
  void destroy_unit(const host::UnitRef& unit) override { real_.destroy_unit(unit); }
  void set_focus(const host::UnitRef& unit) override { real_.set_focus(unit); }
  void open_colour_picker(const host::UnitRef& picker) override { real_.open_colour_picker(picker); }
  void append_text(const host::UnitRef& edit_box, const host::Text& text) override {
    real_.append_text(edit_box, text);
  }
  void set_window_transparency(host::WindowHandle window, int alpha) override {
    real_.set_window_transparency(window, alpha);
  }
  void accept_dropped_files(const host::UnitRef& window, host::DropHandler dropped) override {
    real_.accept_dropped_files(window, std::move(dropped));
  }
  host::Text resolved_font_face(const host::UnitRef& unit) override { return real_.resolved_font_face(unit); }
  void show_busy(bool busy) override { real_.show_busy(busy); }
  int message_box(const host::Text& text, int flags, const host::Text& caption) override {
    return real_.message_box(text, flags, caption);
  }
  bool open_common_dialog(const host::UnitRef& dialog) override { return real_.open_common_dialog(dialog); }
  void open_web_address(const host::Text& address) override { real_.open_web_address(address); }
  host::Text clipboard_text() override { return real_.clipboard_text(); }
  bool set_clipboard_text(const host::Text& text) override { return real_.set_clipboard_text(text); }
  host::DateTime current_date_time() override { return real_.current_date_time(); }
  host::Text program_directory() override { return real_.program_directory(); }
  host::Bytes read_file(const host::Text& file_name) override { return real_.read_file(file_name); }
  bool file_readable(const host::Text& file_name) override { return real_.file_readable(file_name); }
  bool write_file(const host::Text& file_name, std::span<const std::uint8_t> bytes) override {
    return real_.write_file(file_name, bytes);
  }
  host::Text read_configuration_item(const host::Text& file_name, const host::Text& section, const host::Text& key,
                                     const host::Text& default_value) override {
    return real_.read_configuration_item(file_name, section, key, default_value);
  }
  bool write_configuration_items(const host::Text& file_name, const host::Text& section,
                                 std::span<const host::ConfigurationItem> items) override {
    return real_.write_configuration_items(file_name, section, items);
  }
  void start_interval_timer(unsigned milliseconds, std::function<void()> tick) override {
    real_.start_interval_timer(milliseconds, std::move(tick));
  }
  std::uint64_t edit_changes(const host::UnitRef& edit_box) override { return real_.edit_changes(edit_box); }
  bool keep_recovery_copy(const host::RecoveryCopy& copy) override { return real_.keep_recovery_copy(copy); }
  void remove_recovery_copy() override { real_.remove_recovery_copy(); }
  std::optional<host::RecoveryCopy> claim_left_recovery_copy() override { return real_.claim_left_recovery_copy(); }
  void remove_claimed_recovery_copy() override { real_.remove_claimed_recovery_copy(); }

 private:
  host::WinHost real_;
  HandlerTable handlers_;
  Measurement measurement_;
};

void pump_messages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void set_content(host::HostApi& host, const std::string& text) {
  host.write_property(host::form::kMain, host::unit::kEditBox, host::prop::edit::kContent, -1, text);
}

// What of putting a document in is ours: the program's write of Content
// against SetWindowTextW of the text already converted, in turns; the
// conversion to UTF-16 on its own; and emptying a full box, as opening over
// a document does first.
void measure_putting_in(host::HostApi& host, HWND edit, const std::string& document, int runs) {
  std::vector<double> writes, controls, conversions, emptyings;
  for (int run = 0; run < runs; ++run) {
    emptyings.push_back(bench::time_ms([&] { set_content(host, {}); }));
    writes.push_back(bench::time_ms([&] { set_content(host, document); }));
    pump_messages();
    set_content(host, {});
    std::wstring wide;
    conversions.push_back(bench::time_ms([&] { wide = host::gb18030_to_wide(document); }));
    controls.push_back(bench::time_ms([&] { SetWindowTextW(edit, wide.c_str()); }));
    pump_messages();
  }
  std::printf("  putting it in (medians of %d): the Content write %s, SetWindowTextW alone %s, the conversion to "
              "UTF-16 %s; emptying the full box first %s\n",
              runs, bench::milliseconds(bench::median(writes)).c_str(),
              bench::milliseconds(bench::median(controls)).c_str(),
              bench::milliseconds(bench::median(conversions)).c_str(),
              bench::milliseconds(bench::median(emptyings)).c_str());
}

void measure_document(host::HostApi& host, const HandlerTable& handlers, std::size_t size, int runs,
                      int putting_in_runs) {
  const std::string document = bench::gbk_document(size);
  const HWND edit = reinterpret_cast<HWND>(host.window_handle(host::units::kEditBox));
  set_content(host, document);
  pump_messages();
  if (host::wide_to_gb18030(host::window_text(edit)) != document) {
    std::fprintf(stderr, "the edit box does not hold the document\n");
    std::exit(1);
  }
  const host::Handler& key_down = handlers[static_cast<std::size_t>(host::HandlerId::EditKeyDown)];
  const std::int32_t enter[] = {13, 0};
  const std::int32_t backspace[] = {8, 0};
  std::vector<double> reads, enters, backspaces;
  for (int run = 0; run < runs; ++run) {
    reads.push_back(bench::time_ms([&] {
      const std::string text = host::wide_to_gb18030(host::window_text(edit));
      if (text.size() != document.size()) std::exit(1);
    }));
    enters.push_back(bench::time_ms([&] { key_down(enter); }));
    pump_messages();
    backspaces.push_back(bench::time_ms([&] { key_down(backspace); }));
    pump_messages();
  }
  const double read = bench::median(reads);
  const double enter_ms = bench::median(enters);
  const double backspace_ms = bench::median(backspaces);
  const std::string size_name = bench::megabytes(static_cast<double>(document.size()));
  std::printf("%s document: read %s, Enter %s, Backspace %s (medians of %d)\n", size_name.c_str(),
              bench::milliseconds(read).c_str(), bench::milliseconds(enter_ms).c_str(),
              bench::milliseconds(backspace_ms).c_str(), runs);
  const std::string limit = "read " + bench::milliseconds(read);
  bench::print_row("Enter handler, " + size_name + " document", bench::milliseconds(enter_ms), limit,
                   enter_ms / read, "2 or less", enter_ms / read <= 2);
  bench::print_row("Backspace handler, " + size_name + " document", bench::milliseconds(backspace_ms), limit,
                   backspace_ms / read, "2 or less", backspace_ms / read <= 2);
  measure_putting_in(host, edit, document, putting_in_runs);
}

// Each run: Enter without a copy, then a copy written (timed apart) and
// Enter again; each Enter is taken back by Backspace.
void measure_with_recovery(host::HostApi& host, const HandlerTable& handlers, int runs) {
  const std::string document = bench::gbk_document(1 << 20);
  set_content(host, document);
  pump_messages();
  app::Documents documents(host);
  app::Recovery recovery(host, documents);
  const host::Handler& key_down = handlers[static_cast<std::size_t>(host::HandlerId::EditKeyDown)];
  const std::int32_t enter[] = {13, 0};
  const std::int32_t backspace[] = {8, 0};
  const auto press = [&](const std::int32_t* key) {
    const double ms = bench::time_ms([&] { key_down(std::span(key, 2)); });
    pump_messages();
    return ms;
  };
  std::vector<double> without, with, copies;
  for (int run = 0; run < runs; ++run) {
    without.push_back(press(enter));
    press(backspace);
    copies.push_back(bench::time_ms([&] { recovery.catch_up(); }));
    with.push_back(press(enter));
    press(backspace);
  }
  const double without_ms = bench::median(without), with_ms = bench::median(with);
  std::printf("1 MB document, recovery copies between keys: Enter %s, without %s; copy %s (medians of %d)\n",
              bench::milliseconds(with_ms).c_str(), bench::milliseconds(without_ms).c_str(),
              bench::milliseconds(bench::median(copies)).c_str(), runs);
  bench::print_row("Enter handler, 1 MB document, a recovery copy written between keys", bench::milliseconds(with_ms),
                   "the same handler with recovery off " + bench::milliseconds(without_ms), with_ms / without_ms,
                   "1.1 or less", with_ms / without_ms <= 1.1);

  set_content(host, bench::gbk_document(10 << 20));
  pump_messages();
  std::vector<double> big_copies;
  for (int run = 0; run < 3; ++run) big_copies.push_back(bench::time_ms([&] { recovery.catch_up(); }));
  const double big_ms = bench::median(big_copies);
  constexpr double kPauseMs = app::Recovery::kPauseTicks * app::Recovery::kTickMilliseconds;
  bench::print_row("writing the recovery copy of a 10 MB document (median of 3)", bench::milliseconds(big_ms),
                   "the typing pause that sets it off " + bench::milliseconds(kPauseMs), big_ms / kPauseMs,
                   "less than the pause", big_ms < kPauseMs);
  recovery.end();
}

void measure(host::HostApi& host, const HandlerTable& handlers) {
  host.load_window(host::units::kMainWindow, std::nullopt, false);
  host.write_property(host::form::kMain, host::unit::kMainWindow, host::prop::kVisible, -1, true);
  pump_messages();
  measure_document(host, handlers, 1 << 20, 15, 3);
  measure_document(host, handlers, 10 << 20, 7, 1);
  measure_with_recovery(host, handlers, 15);
}

}  // namespace

int main() {
  MeasuringHost host(measure);
  skin::SkinLayer skin;
  app::Application application(host, skin, app::embedded_splash_frames());
  host.end_program(application.entry());
}
