// A program under test, started as a person starts it: its own copy of the
// program file in a folder of its own, run with that folder as the working
// folder. Keys go to it through the real keyboard input of the desktop; its
// windows, message boxes and dialogs are found by its process id. The
// program is killed when the App goes, if it still runs.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/dialogs.h"
#include "driver/folder.h"
#include "driver/input.h"
#include "driver/wait.h"
#include "driver/window.h"
#include "host/services/handles_win.h"

namespace e2e {

class App {
 public:
  // Copies `program` into `folder` (keeping its file name) and starts it
  // there, with `folder` as its working folder. `arguments` follow the
  // quoted program name on the command line, as Explorer's "Open with" or a
  // person at a prompt puts them.
  static App start(const std::filesystem::path& program, const Folder& folder, std::wstring_view arguments = {});
  // Starts a program file where it is, with another working folder: for a
  // program folder that cannot be written (nothing is copied into it), or a
  // working folder that is not the program's.
  static App start_in(const std::filesystem::path& program_file, const std::filesystem::path& working_folder,
                      std::wstring_view arguments = {});
  ~App();
  App(App&&) = default;
  App& operator=(App&&) = delete;
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  DWORD process_id() const { return process_id_; }
  bool running() const;
  // Waits for the program to end by itself and returns its exit code.
  int wait_exit(std::chrono::milliseconds patience = kPatience) const;
  void kill() const;
  // The program's private bytes as the system counts them (PagefileUsage:
  // under Wine the anonymous memory resident or swapped; PrivateUsage reads 0
  // there); 0 when they cannot be read.
  std::size_t private_bytes() const;

  // Windows: the program's top-level windows, visible or not, topmost first.
  std::vector<Window> windows() const;
  Window wait_window(std::string_view what, const std::function<bool(const Window&)>& matches,
                     std::chrono::milliseconds patience = kPatience) const;
  // The first visible top-level window.
  Window wait_any_window() const;
  // The visible top-level window with a menu bar.
  Window main_window() const;
  // The main window's multi-line edit box.
  Window edit_box() const;
  // The window that has the keyboard focus in the program's GUI thread.
  std::optional<Window> focus() const;
  std::optional<Window> active_window() const;
  void wait_focus(const Window& window, std::chrono::milliseconds patience = kPatience) const;
  // Waits until the program has finished what it was doing when called (it
  // answers a message sent to its window only from its message loop): a
  // window it is showing is activated and focused by then.
  void wait_idle() const;

  // Dialogs of the program (class #32770), waited for.
  MessageBoxWindow wait_message_box(std::string_view caption, std::chrono::milliseconds patience = kPatience) const;
  FileDialog wait_file_dialog() const;
  FontDialog wait_font_dialog() const;
  // True while no message box or dialog of the program is open.
  bool has_dialog() const;

  // The keyboard, as a person uses it: the program is brought to the
  // foreground and allowed to settle, then the keys reach its focused window.
  void press(Key key) const;
  void type(std::string_view gbk_text) const;
  // Chooses a menu item with the keyboard, as a person without a mouse
  // does: F10, Right to the drop-down menu (0 = the first), Down to the item
  // (0 = the first; separators are skipped and not counted), Enter.
  void choose_menu_item(int menu, int item) const;
  void bring_to_front() const;

 private:
  App(host::OwnedKernelHandle process, DWORD process_id, DWORD thread_id)
      : process_(std::move(process)), process_id_(process_id), thread_id_(thread_id) {}
  std::optional<GUITHREADINFO> gui_thread_info() const;

  host::OwnedKernelHandle process_;
  DWORD process_id_;
  DWORD thread_id_;
};

}  // namespace e2e
