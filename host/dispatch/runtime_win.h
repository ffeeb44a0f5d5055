// The host's run-time state and its core operations: the loaded-form list, the
// handler slots, the event suppression counter, the loop-entered flag and the
// exit procedure; loading forms, the message loop, event delivery, property
// access, and the end of the program.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "host/forms/forms.h"
#include "host/forms/handlers.h"
#include "host/services/handles_win.h"
#include "host/services/value.h"

namespace host {

// Posted to the user-interface thread by an end-of-program request from
// another thread; wParam is the exit code.
inline constexpr UINT kEndProgramMessage = WM_APP + 2;

class LiveForm;
class Unit;

class Runtime {
 public:
  explicit Runtime(std::span<const FormDefinition* const> forms);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // --- start and end (runtime_win.cpp) ---
  // Initialises COM, makes the program directory the current directory and
  // takes the handler slots; a slot a form binds but the table leaves empty
  // is fatal.
  void start(HandlerTable handlers);
  void set_exit_procedure(std::function<void()> procedure) { exit_procedure_ = std::move(procedure); }
  // Runs the exit procedure once and ends the process with the code.
  [[noreturn]] void end_program(int exit_code);
  // Reports the error in a message box and ends the process with -1, without
  // the exit procedure.
  [[noreturn]] void fatal_error(std::string_view message, std::optional<int> code = std::nullopt);

  // --- forms (form_loading_win.cpp) ---
  // Loads the form (or brings it forward when it is loaded already); a form
  // defined visible is shown, and a modal one runs its loop until it closes.
  bool load_form(FormId form, HWND owner, bool modal);
  void load_start_window(FormId form);
  LiveForm* loaded_form(FormId form) const;
  // Shows or hides a form's window; the first showing of a modal form returns
  // only when the form has closed.
  void set_form_visible(LiveForm& form, bool visible);
  void set_always_on_top(LiveForm& form, bool on_top);

  // --- properties (property_access_win.cpp) ---
  Value read_property(FormId form, UnitId unit, int index, int array_index);
  void write_property(FormId form, UnitId unit, int index, int array_index, Value value);

  // A loaded unit, or the fatal error for a unit service naming one that is not.
  Unit& unit_or_fatal(const UnitRef& unit);

  // --- message loop (message_loop_win.cpp, pre_translation_win.cpp) ---
  // Returns when the last window is gone, or at once when none is loaded.
  void run_message_loop();
  // Runs the loop until `done` holds after a message (or the quit message
  // comes, which is left for the outer loop).
  void run_until(const std::function<bool()>& done);

  // --- events ---
  // Runs the handler bound to the unit's event, unless events are suppressed.
  HandlerResult deliver(const LiveForm& form, UnitId unit, int event,
                        std::initializer_list<std::int32_t> arguments = {});
  // Runs the procedure that takes files dropped on a form, unless events are
  // suppressed.
  void deliver_dropped_files(const DropHandler& handler, const DroppedFiles& dropped);
  // The form's window is gone: it leaves the loaded-form list, and when no
  // window is left after the loop started, the loop ends.
  void on_form_destroyed(const LiveForm& form);

 private:
  // Holds event delivery off while it lives.
  class SuppressEvents {
   public:
    explicit SuppressEvents(Runtime& runtime) : runtime_(runtime) { ++runtime_.suppression_; }
    ~SuppressEvents() { --runtime_.suppression_; }
    SuppressEvents(const SuppressEvents&) = delete;
    SuppressEvents& operator=(const SuppressEvents&) = delete;

   private:
    Runtime& runtime_;
  };

  std::shared_ptr<LiveForm> shared_form(HWND root) const;
  // Destroys every window still loaded, without ending a loop.
  void close_all_windows();
  bool create_form(const FormDefinition& definition, HWND owner, bool modal);
  void process_message(MSG& message);
  bool pre_translate(MSG& message);
  bool navigate(LiveForm& form, const MSG& message);
  bool deliver_input_event(LiveForm& form, MSG& message);

  std::span<const FormDefinition* const> definitions_;
  std::vector<std::shared_ptr<LiveForm>> forms_;
  HandlerTable handlers_;
  std::function<void()> exit_procedure_;
  int suppression_ = 0;
  bool loop_entered_ = false;
  std::optional<ComApartment> com_;
  DWORD ui_thread_ = GetCurrentThreadId();
};

}  // namespace host
