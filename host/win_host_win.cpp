#include "host/win_host_win.h"

#include <utility>

#include "host/services/clipboard.h"
#include "host/services/config.h"
#include "host/services/date_time.h"
#include "host/services/files.h"
#include "host/services/message_box.h"
#include "host/services/program_directory_win.h"
#include "host/services/web_address.h"
#include "host/unit_services/common_dialog_win.h"
#include "host/unit_services/window_services_win.h"

namespace host {

WinHost::WinHost(Text command_line_document) : WinHost(program_forms()) {
  command_line_document_ = std::move(command_line_document);
}

WinHost::WinHost(std::span<const FormDefinition* const> forms)
    : runtime_(forms), recovery_store_(program_directory_wide()) {}

void WinHost::start_runtime(HandlerTable handlers) { runtime_.start(std::move(handlers)); }

void WinHost::register_exit_procedure(std::function<void()> procedure) {
  runtime_.set_exit_procedure(std::move(procedure));
}

void WinHost::load_start_window(FormId form) { runtime_.load_start_window(form); }

void WinHost::run_message_loop() { runtime_.run_message_loop(); }

void WinHost::end_program(int exit_code) { runtime_.end_program(exit_code); }

Value WinHost::read_property(FormId form, UnitId unit, int index, int array_index) {
  return runtime_.read_property(form, unit, index, array_index);
}

void WinHost::write_property(FormId form, UnitId unit, int index, int array_index, Value value) {
  runtime_.write_property(form, unit, index, array_index, std::move(value));
}

WindowHandle WinHost::window_handle(const UnitRef& unit) { return window_handle_of_unit(runtime_, unit); }

bool WinHost::load_window(const UnitRef& window, const std::optional<UnitRef>& parent, bool modal) {
  return host::load_window(runtime_, window, parent, modal);
}

void WinHost::destroy_unit(const UnitRef& unit) { host::destroy_unit(runtime_, unit); }

void WinHost::set_focus(const UnitRef& unit) { host::set_focus(runtime_, unit); }

void WinHost::open_colour_picker(const UnitRef& picker) { host::open_colour_picker(runtime_, picker); }

void WinHost::append_text(const UnitRef& edit_box, const Text& text) { host::append_text(runtime_, edit_box, text); }

void WinHost::set_window_transparency(WindowHandle window, int alpha) { host::set_window_transparency(window, alpha); }

void WinHost::accept_dropped_files(const UnitRef& window, DropHandler dropped) {
  host::accept_dropped_files(runtime_, window, std::move(dropped));
}

Text WinHost::resolved_font_face(const UnitRef& unit) { return host::resolved_font_face(runtime_, unit); }

void WinHost::show_busy(bool busy) {
  if (busy) {
    busy_cursor_.begin();
  } else {
    busy_cursor_.end();
  }
}

int WinHost::message_box(const Text& text, int flags, const Text& caption) {
  return show_message_box(text, flags, caption);
}

bool WinHost::open_common_dialog(const UnitRef& dialog) { return host::open_common_dialog(runtime_, dialog); }

void WinHost::open_web_address(const Text& address) { host::open_web_address(address); }

Text WinHost::clipboard_text() { return host::clipboard_text(); }

bool WinHost::set_clipboard_text(const Text& text) { return host::set_clipboard_text(text); }

DateTime WinHost::current_date_time() { return host::current_date_time(); }

Text WinHost::program_directory() { return host::program_directory(); }

Bytes WinHost::read_file(const Text& file_name) { return host::read_file(file_name); }

bool WinHost::file_readable(const Text& file_name) { return is_readable_file(file_name); }

bool WinHost::write_file(const Text& file_name, std::span<const std::uint8_t> bytes) {
  return host::write_file(file_name, bytes);
}

Text WinHost::read_configuration_item(const Text& file_name, const Text& section, const Text& key,
                                      const Text& default_value) {
  return host::read_configuration_item(file_name, section, key, default_value);
}

bool WinHost::write_configuration_items(const Text& file_name, const Text& section,
                                        std::span<const ConfigurationItem> items) {
  return host::write_configuration_items(file_name, section, items);
}

void WinHost::start_interval_timer(unsigned milliseconds, std::function<void()> tick) {
  timers_.start(milliseconds, std::move(tick));
}

std::uint64_t WinHost::edit_changes(const UnitRef& edit_box) { return host::edit_changes(runtime_, edit_box); }

bool WinHost::keep_recovery_copy(const RecoveryCopy& copy) { return recovery_store_.keep(copy); }

void WinHost::remove_recovery_copy() { recovery_store_.remove(); }

std::optional<RecoveryCopy> WinHost::claim_left_recovery_copy() { return recovery_store_.claim_left_copy(); }

void WinHost::remove_claimed_recovery_copy() { recovery_store_.remove_claimed(); }

}  // namespace host
