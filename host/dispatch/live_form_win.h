// A loaded form: its window, its units and its menu bar. The window procedure
// turns the window's messages into the units' events; the runtime loads the
// form, shows it and routes input to it.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <vector>

#include "host/dispatch/runtime_win.h"
#include "host/services/handles_win.h"
#include "host/units/menu_bar_win.h"
#include "host/units/window_unit_win.h"

namespace host {

class LiveForm : public std::enable_shared_from_this<LiveForm> {
 public:
  LiveForm(Runtime& runtime, const FormDefinition& definition);
  ~LiveForm();
  LiveForm(const LiveForm&) = delete;
  LiveForm& operator=(const LiveForm&) = delete;

  // The window with its menu bar (hidden), owned by `owner` when given, else
  // by a hidden window when the form keeps off the taskbar.
  bool create_window(HWND owner);
  // The controls in form order, stacked in that order; the visible ones shown.
  bool create_controls(int dpi);

  FormId id() const { return definition_.id; }
  const FormDefinition& definition() const { return definition_; }
  HWND window() const { return window_.get(); }
  bool alive() const { return static_cast<bool>(window_); }

  WindowUnit& window_unit() { return window_unit_; }
  const WindowUnit& window_unit() const { return window_unit_; }
  MenuBar& menu_bar() { return menu_bar_; }
  // The window's unit or a control still on it.
  Unit* find_unit(UnitId unit);
  // The unit whose window this is, if any.
  Unit* unit_of_window(HWND window);
  // The control leaves the form; its window or timer goes at once.
  void destroy_control(UnitId unit);
  // Destroys the window once the running handler has returned.
  void close_later();

  // From now on files dropped on the window go to `dropped`, also while its
  // extended style is replaced (the one-key hide). A drop on a control
  // reaches the window too: the system looks up from the control to the
  // first window that takes files.
  void accept_dropped_files(DropHandler dropped);

  bool shown_once() const { return shown_once_; }
  void mark_shown() { shown_once_ = true; }
  bool modal() const { return modal_; }
  // The windows this modal form disabled; they are enabled again when it goes.
  void make_modal(std::vector<HWND> disabled_windows);

 private:
  static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);
  HandlerResult deliver(UnitId unit, int event, std::initializer_list<std::int32_t> arguments = {});
  void on_command(WPARAM wparam, LPARAM lparam);
  void on_drop_files(HDROP drop);
  void on_activate(WPARAM wparam);
  void on_destroy();
  void on_final_destroy();

  Runtime& runtime_;
  const FormDefinition& definition_;
  WindowUnit window_unit_;
  MenuBar menu_bar_;
  HFONT font_ = nullptr;  // the stock GUI font; never deleted
  HWND last_focus_ = nullptr;
  bool activated_once_ = false;
  bool shown_once_ = false;
  bool modal_ = false;
  bool closing_ = false;
  std::vector<HWND> disabled_windows_;
  DropHandler drop_handler_;
  // Destroyed in reverse order: the controls, then the window, then its owner.
  OwnedWindow hidden_owner_;
  OwnedWindow window_;
  std::vector<std::unique_ptr<Unit>> controls_;
  // Controls taken off the form; kept until the form goes, since one of them
  // may be the source of the message being handled.
  std::vector<std::unique_ptr<Unit>> removed_controls_;
};

}  // namespace host
