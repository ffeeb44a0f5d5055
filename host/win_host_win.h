// The host the application runs on under Windows: the runtime's start, loop
// and end, unit properties, and the services, behind the HostApi interface.
#pragma once

#include "host/dispatch/runtime_win.h"
#include "host/host_api.h"
#include "host/services/busy_cursor_win.h"
#include "host/services/interval_timers_win.h"
#include "host/services/recovery_store_win.h"

namespace host {

class WinHost final : public HostApi {
 public:
  // The program's own forms and the document named on its command line
  // (the entry point's host), or other forms (tests load forms of their own).
  explicit WinHost(Text command_line_document = {});
  explicit WinHost(std::span<const FormDefinition* const> forms);

  void start_runtime(HandlerTable handlers) override;
  void register_exit_procedure(std::function<void()> procedure) override;
  void load_start_window(FormId form) override;
  void run_message_loop() override;
  [[noreturn]] void end_program(int exit_code) override;
  Text command_line_document() override { return command_line_document_; }

  Value read_property(FormId form, UnitId unit, int index, int array_index = -1) override;
  void write_property(FormId form, UnitId unit, int index, int array_index, Value value) override;

  WindowHandle window_handle(const UnitRef& unit) override;
  bool load_window(const UnitRef& window, const std::optional<UnitRef>& parent, bool modal) override;
  void destroy_unit(const UnitRef& unit) override;
  void set_focus(const UnitRef& unit) override;
  void open_colour_picker(const UnitRef& picker) override;
  void append_text(const UnitRef& edit_box, const Text& text) override;
  void set_window_transparency(WindowHandle window, int alpha) override;
  void accept_dropped_files(const UnitRef& window, DropHandler dropped) override;
  Text resolved_font_face(const UnitRef& unit) override;
  void show_busy(bool busy) override;

  int message_box(const Text& text, int flags, const Text& caption = {}) override;
  bool open_common_dialog(const UnitRef& dialog) override;
  void open_web_address(const Text& address) override;

  Text clipboard_text() override;
  bool set_clipboard_text(const Text& text) override;
  DateTime current_date_time() override;
  Text program_directory() override;
  Bytes read_file(const Text& file_name) override;
  bool file_readable(const Text& file_name) override;
  bool write_file(const Text& file_name, std::span<const std::uint8_t> bytes) override;
  Text read_configuration_item(const Text& file_name, const Text& section, const Text& key,
                               const Text& default_value) override;
  bool write_configuration_items(const Text& file_name, const Text& section,
                                 std::span<const ConfigurationItem> items) override;

  void start_interval_timer(unsigned milliseconds, std::function<void()> tick) override;
  std::uint64_t edit_changes(const UnitRef& edit_box) override;

  bool keep_recovery_copy(const RecoveryCopy& copy) override;
  void remove_recovery_copy() override;
  std::optional<RecoveryCopy> claim_left_recovery_copy() override;
  void remove_claimed_recovery_copy() override;

  // The runtime itself, for the entry point and for tests that drive the loop.
  Runtime& runtime() { return runtime_; }

 private:
  Runtime runtime_;
  IntervalTimers timers_;
  RecoveryStore recovery_store_;
  BusyCursor busy_cursor_;
  Text command_line_document_;
};

}  // namespace host
