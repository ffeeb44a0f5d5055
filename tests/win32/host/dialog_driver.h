// Driving the system's modal dialogs from a test: while the user-interface
// thread runs a dialog's own loop, a watcher thread finds the dialog window
// and works its controls as a writer would.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace host::testing {

using namespace std::chrono_literals;

// Polls until the condition holds; false when the timeout passed first.
bool poll_until(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

// A visible dialog box (class #32770) of this process other than `other_than`,
// waited for until the timeout (then null).
HWND wait_for_dialog_box(HWND other_than = nullptr, std::chrono::milliseconds timeout = 10s);
// True once the window is gone or hidden, false after the timeout.
bool wait_until_closed(HWND window, std::chrono::milliseconds timeout = 10s);

// Presses a dialog's button as a click would, without waiting for what it
// starts (a button may open a modal box of its own).
void press(HWND dialog, int button_id);
// The text of a dialog's control (of a combo box: its edit field).
void set_control_text(HWND dialog, int control_id, const std::wstring& text);
std::wstring control_text(HWND dialog, int control_id);
// Selects the item of a combo box's list as a click on it would.
void choose_in_list(HWND dialog, int combo_box_id, const std::wstring& item);

// Runs the script on a thread of its own once a dialog box shows, and joins
// it on destruction. The script gets the dialog (null after a timeout) and
// closes it; whatever it leaves open is cancelled.
class DialogWatcher {
 public:
  explicit DialogWatcher(std::function<void(HWND dialog)> script);
  ~DialogWatcher();
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

 private:
  std::thread thread_;
};

}  // namespace host::testing
