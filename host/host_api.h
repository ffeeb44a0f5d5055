// What the application sees of the host: the runtime's start and end, unit
// properties addressed by (form, unit, property index, array index), and the
// services that need windows, files or the system. Text and number services
// need none of that and are plain functions (host/services/text.h, convert.h,
// numbers.h). The application never sees a window message.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "host/forms/handlers.h"
#include "host/forms/ids.h"
#include "host/services/config.h"
#include "host/services/recovery_copy.h"
#include "host/services/value.h"

namespace host {

using WindowHandle = std::uintptr_t;

// Message-box flags and results the application uses.
namespace message_box {
inline constexpr int kOk = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kResultOk = 0;
inline constexpr int kResultYes = 5;
inline constexpr int kResultNo = 6;
}  // namespace message_box

class HostApi {
 public:
  virtual ~HostApi() = default;

  // --- runtime -----------------------------------------------------------
  // Prepares the forms and fills their handler slots from the table; makes the
  // program directory the current directory.
  virtual void start_runtime(HandlerTable handlers) = 0;
  // Called once when the program ends normally.
  virtual void register_exit_procedure(std::function<void()> procedure) = 0;
  // Loads the first window; failure is a fatal run-time error.
  virtual void load_start_window(FormId form) = 0;
  // Returns when the last window is gone (or at once when none is loaded).
  virtual void run_message_loop() = 0;
  // Runs the exit procedure once and ends the process with the exit code.
  virtual void end_program(int exit_code) = 0;
  // The full path of the document the program was started with ("Open
  // with", or a name after the program's on the command line); empty when
  // none was named.
  virtual Text command_line_document() = 0;

  // --- properties --------------------------------------------------------
  // The array index is -1 except for the sub-fields of a font.
  virtual Value read_property(FormId form, UnitId unit, int index, int array_index = -1) = 0;
  // The value is handed over: a document's text is let go of as soon as the
  // edit box has it in its own form.
  virtual void write_property(FormId form, UnitId unit, int index, int array_index, Value value) = 0;

  // --- windows and units -------------------------------------------------
  virtual WindowHandle window_handle(const UnitRef& unit) = 0;
  virtual bool load_window(const UnitRef& window, const std::optional<UnitRef>& parent, bool modal) = 0;
  // A window is destroyed once the running handler has returned; a control at once.
  virtual void destroy_unit(const UnitRef& unit) = 0;
  virtual void set_focus(const UnitRef& unit) = 0;
  // Opens the colour picker's choice: its palette, whose pick raises the
  // picker's colour-changed event. Returns at once.
  virtual void open_colour_picker(const UnitRef& picker) = 0;
  // Moves the caret to the end, scrolls it into view and inserts the text there.
  virtual void append_text(const UnitRef& edit_box, const Text& text) = 0;
  // Alpha outside 0-255 counts as 255; the extended style becomes exactly
  // layered, except that a window taking dropped files goes on taking them.
  virtual void set_window_transparency(WindowHandle window, int alpha) = 0;
  // From now on files dropped from Explorer on the window, or on its
  // controls, go to `dropped`; none while a message box or dialog is up.
  virtual void accept_dropped_files(const UnitRef& window, DropHandler dropped) = 0;
  // The face the unit's font resolves to on this system (a face the system
  // lacks resolves to another); empty for a unit without a window.
  virtual Text resolved_font_face(const UnitRef& unit) = 0;
  // While on, the wait cursor shows over the program's windows: around work
  // that keeps the program from its messages. Calls nest.
  virtual void show_busy(bool busy) = 0;

  // --- dialogs -----------------------------------------------------------
  // No owner, task-modal; returns the pressed button's id minus 1 (Yes 5, No 6).
  // An empty caption shows the default caption.
  virtual int message_box(const Text& text, int flags, const Text& caption = {}) = 0;
  // Runs the common dialog of its current `DialogKind`; true when confirmed.
  virtual bool open_common_dialog(const UnitRef& dialog) = 0;
  virtual void open_web_address(const Text& address) = 0;

  // --- clipboard, clock, files and configuration ---------------------------
  virtual Text clipboard_text() = 0;
  virtual bool set_clipboard_text(const Text& text) = 0;
  virtual DateTime current_date_time() = 0;
  virtual Text program_directory() = 0;
  virtual Bytes read_file(const Text& file_name) = 0;
  // There and readable now; read_file gives a missing or unreadable file as
  // an empty one.
  virtual bool file_readable(const Text& file_name) = 0;
  virtual bool write_file(const Text& file_name, std::span<const std::uint8_t> bytes) = 0;
  virtual Text read_configuration_item(const Text& file_name, const Text& section, const Text& key,
                                       const Text& default_value) = 0;
  // Every item in one replacement of the file: all stored, or none.
  virtual bool write_configuration_items(const Text& file_name, const Text& section,
                                         std::span<const ConfigurationItem> items) = 0;

  // --- background work ---------------------------------------------------
  // Calls `tick` on the user-interface thread every `milliseconds`, also
  // while a dialog or message box runs its own loop, until the program ends.
  virtual void start_interval_timer(unsigned milliseconds, std::function<void()> tick) = 0;
  // Grows with every change of the edit box's text: typing, the clipboard,
  // undo, or a write of its Content. 0 while it is not loaded.
  virtual std::uint64_t edit_changes(const UnitRef& edit_box) = 0;

  // --- recovery copies ---------------------------------------------------
  // This instance's copy, kept on disk so that a crash does not take the
  // text with it; false when it could not be written.
  virtual bool keep_recovery_copy(const RecoveryCopy& copy) = 0;
  virtual void remove_recovery_copy() = 0;
  // A whole copy left by an instance that did not end cleanly, claimed so
  // that no other instance offers it; damaged ones are removed on the way.
  virtual std::optional<RecoveryCopy> claim_left_recovery_copy() = 0;
  virtual void remove_claimed_recovery_copy() = 0;
};

}  // namespace host
