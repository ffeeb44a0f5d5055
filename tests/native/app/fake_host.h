// An in-memory host and skin layer for the application's tests: the units'
// properties with their form values, scripted message boxes and common dialog,
// files, clipboard, clock and configuration in memory, and a log of every call
// that changes something, in order.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "host/host_api.h"
#include "skin/skin_api.h"

namespace app_test {

// Thrown by end_program: the real host ends the process there, so nothing of
// the handler that asked may run after it. The exception unwinds the handler
// and lets the test see the exit code.
struct ProgramEnded {
  int exit_code;
};

// Thrown where the real host would run a modal window's loop that does not
// return while the program runs; fire() stops the handler there.
struct ModalLoopEntered {};

// A misuse the real host reports as a fatal run-time error (and ends with -1).
struct FatalError {
  std::string message;
};

struct MessageBoxCall {
  host::Text text;
  int flags;
  host::Text caption;
  friend bool operator==(const MessageBoxCall&, const MessageBoxCall&) = default;
};
void PrintTo(const MessageBoxCall& box, std::ostream* out);

// What the writer does in the next common dialog.
struct DialogAnswer {
  bool confirm = false;
  host::Text file_name;      // confirmed file dialogs
  host::Text font_name;      // confirmed font dialog
  std::int32_t font_size = 0;

  static DialogAnswer cancel() { return {}; }
  static DialogAnswer choose_file(host::Text name) { return {true, std::move(name), {}, 0}; }
  static DialogAnswer choose_font(host::Text name, std::int32_t size) { return {true, {}, std::move(name), size}; }
};

// What the dialog showed when it opened.
struct DialogCall {
  std::int32_t kind;
  host::Text initial_dir;
  host::Text offered_file_name;
};

class FakeHost final : public host::HostApi {
 public:
  inline static const host::Text kProgramDirectory = "C:\\Verbrook";

  FakeHost();

  // --- driving the program, as the host would ------------------------------
  // Runs a bound handler; ADD_FAILUREs when the slot is empty.
  host::HandlerResult fire(host::HandlerId id, std::vector<std::int32_t> arguments = {});

  // --- the writer's side ---------------------------------------------------
  void answer_boxes(std::initializer_list<int> answers) { box_answers_.insert(box_answers_.end(), answers); }
  void answer_dialog(DialogAnswer answer) { dialog_answers_.push_back(std::move(answer)); }
  void set_content(const host::Text& content);
  void select(std::int32_t start, std::int32_t length);
  host::Text content() const;
  host::Text caption() const;
  std::int32_t edit_int(int index, int array_index = -1) const;
  host::Value property(const host::UnitRef& unit, int index, int array_index = -1) const;
  void set_property(const host::UnitRef& unit, int index, int array_index, host::Value value);
  bool loaded(host::FormId form) const { return loaded_forms_.contains(form); }
  std::optional<host::UnitRef> focus() const { return focus_; }
  // Files dropped on the main window from Explorer; ADD_FAILUREs while the
  // program takes none.
  void drop_files(std::vector<host::Text> names, bool control_held = false);

  // --- files, configuration, clipboard, clock ------------------------------
  std::map<host::Text, host::Bytes> files;
  // The document named on the command line.
  host::Text command_line_file;
  // What the edit box's font resolves to; empty: its own face.
  host::Text resolved_face;
  // Names whose write_file fails (the old file is left as it was).
  std::set<host::Text> unwritable_files;
  // (file, section, key) -> value; a file exists once something was written.
  std::map<std::tuple<host::Text, host::Text, host::Text>, host::Text> configuration;
  bool configuration_file_exists(const host::Text& file) const;
  host::Text clipboard;
  bool clipboard_available = true;
  host::DateTime now{};
  // This instance's recovery copy, and one that an unclean end left.
  std::optional<host::RecoveryCopy> recovery_copy;
  std::optional<host::RecoveryCopy> left_recovery_copy;
  // Runs every interval timer's tick once, as when their time has come.
  void tick_timers();

  // --- what the program did --------------------------------------------------
  std::vector<std::string> log;
  std::vector<MessageBoxCall> boxes;
  std::vector<DialogCall> dialogs;
  std::vector<host::Text> opened_addresses;
  std::optional<int> exit_code;
  int exit_procedure_runs = 0;
  std::optional<host::FormId> start_window;
  std::optional<host::HandlerTable> handlers;

  static host::WindowHandle handle_of(const host::UnitRef& unit) { return 0x10000 + (unit.unit & 0xFFFF); }

  // --- HostApi -----------------------------------------------------------------
  void start_runtime(host::HandlerTable table) override;
  void register_exit_procedure(std::function<void()> procedure) override;
  void load_start_window(host::FormId form) override;
  void run_message_loop() override;
  void end_program(int code) override;
  host::Text command_line_document() override { return command_line_file; }
  host::Value read_property(host::FormId form, host::UnitId unit, int index, int array_index) override;
  void write_property(host::FormId form, host::UnitId unit, int index, int array_index,
                      host::Value value) override;
  host::WindowHandle window_handle(const host::UnitRef& unit) override;
  bool load_window(const host::UnitRef& window, const std::optional<host::UnitRef>& parent, bool modal) override;
  void destroy_unit(const host::UnitRef& unit) override;
  void set_focus(const host::UnitRef& unit) override;
  void open_colour_picker(const host::UnitRef& picker) override;
  void append_text(const host::UnitRef& edit_box, const host::Text& text) override;
  void set_window_transparency(host::WindowHandle window, int alpha) override;
  void accept_dropped_files(const host::UnitRef& window, host::DropHandler dropped) override;
  host::Text resolved_font_face(const host::UnitRef& unit) override;
  void show_busy(bool busy) override;
  int message_box(const host::Text& text, int flags, const host::Text& caption) override;
  bool open_common_dialog(const host::UnitRef& dialog) override;
  void open_web_address(const host::Text& address) override;
  host::Text clipboard_text() override;
  bool set_clipboard_text(const host::Text& text) override;
  host::DateTime current_date_time() override { return now; }
  host::Text program_directory() override { return kProgramDirectory; }
  host::Bytes read_file(const host::Text& file_name) override;
  bool file_readable(const host::Text& file_name) override { return files.contains(file_name); }
  bool write_file(const host::Text& file_name, std::span<const std::uint8_t> bytes) override;
  host::Text read_configuration_item(const host::Text& file_name, const host::Text& section, const host::Text& key,
                                     const host::Text& default_value) override;
  bool write_configuration_items(const host::Text& file_name, const host::Text& section,
                                 std::span<const host::ConfigurationItem> items) override;
  void start_interval_timer(unsigned milliseconds, std::function<void()> tick) override;
  std::uint64_t edit_changes(const host::UnitRef& edit_box) override;
  bool keep_recovery_copy(const host::RecoveryCopy& copy) override;
  void remove_recovery_copy() override;
  std::optional<host::RecoveryCopy> claim_left_recovery_copy() override;
  void remove_claimed_recovery_copy() override;

 private:
  using PropertyKey = std::tuple<host::UnitId, int, int>;

  void load_form(host::FormId form);
  void require_loaded(host::FormId form, host::UnitId unit) const;
  void move_focus(const host::UnitRef& unit);
  void write_text_unlogged(int index, host::Text text);
  [[noreturn]] void run_modal_loop();

  std::map<host::FormId, std::map<PropertyKey, host::Value>> properties_;
  std::set<host::FormId> loaded_forms_;
  std::set<host::FormId> modal_forms_;
  std::set<host::UnitId> destroyed_units_;
  std::optional<host::UnitRef> focus_;
  std::function<void()> exit_procedure_;
  std::deque<int> box_answers_;
  std::deque<DialogAnswer> dialog_answers_;
  std::vector<std::function<void()>> timers_;
  host::DropHandler drop_handler_;
  std::uint64_t edit_changes_ = 0;
  bool left_copy_claimed_ = false;
};

// What the skin layer was asked to do with the skin window object.
struct SkinRecord {
  int startups = 0;
  int shutdowns = 0;
  int windows_created = 0;
  int windows_destroyed = 0;
  std::vector<std::uintptr_t> attached;
  // A copy of each image handed to load_back_image, in order.
  std::vector<std::vector<std::uint8_t>> images;
  // Where the calls are logged too, so that they can be ordered against the host's.
  std::vector<std::string>* log = nullptr;

  void note(const std::string& call) {
    if (log) log->push_back(call);
  }
};

class FakeSkin final : public skin::SkinApi {
 public:
  void startup() override {
    ++record.startups;
    record.note("skin startup");
  }
  void decode_ahead(std::vector<std::span<const std::uint8_t>> images) override {
    record.note("skin decode ahead " + std::to_string(images.size()));
  }
  void shutdown() override {
    ++record.shutdowns;
    record.note("skin shutdown");
  }
  std::unique_ptr<skin::SkinWindow> create_window() override;

  SkinRecord record;
};

// GBK shown as UTF-8, for failure messages.
std::string readable(std::string_view gbk);

// The log's spelling of a unit and a value.
std::string unit_name(host::UnitId unit);
std::string value_text(const host::Value& value);

}  // namespace app_test
