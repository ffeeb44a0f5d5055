// One window of the program under test, seen from outside as a person (or an
// accessibility tool) would see it. It does not own the window: the program
// does, and the window may go at any moment; queries on a window that is gone
// give empty answers.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "driver/wait.h"

namespace e2e {

struct LayeredAttributes {
  BYTE alpha = 255;
  COLORREF colour_key = 0;
  DWORD flags = 0;  // LWA_ALPHA, LWA_COLORKEY
};

// A window that went away while the driver asked it something.
class WindowGone : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Window {
 public:
  explicit Window(HWND handle);

  HWND handle() const { return handle_; }
  DWORD process_id() const { return process_id_; }
  bool exists() const;

  // The title as the system keeps it (never waits for the program).
  std::string title() const;
  // The text as the window itself tells it (WM_GETTEXT): an edit box's
  // content, a static control's text. GBK. Throws WindowGone when the
  // window is gone.
  std::string text() const;
  // The same, or nothing when the window is gone.
  std::optional<std::string> text_if_there() const;
  std::wstring class_name() const;
  // Compares the class name without regard to case, as the system does.
  bool has_class(std::wstring_view name) const;
  int control_id() const;

  RECT rect() const;  // screen coordinates
  SIZE size() const;
  RECT client_rect() const;
  LONG style() const;
  LONG ex_style() const;
  bool visible() const;
  bool enabled() const;
  bool topmost() const;
  bool has_menu() const;
  // The constant alpha or colour key of a layered window (none when the
  // window is not layered, or when it is drawn with UpdateLayeredWindow).
  std::optional<LayeredAttributes> layered() const;

  // The window that owns this top-level window; a program gives a window a
  // hidden owner to keep it off the taskbar.
  std::optional<Window> owner() const;
  // All descendants, parents before their children, in z-order.
  std::vector<Window> children() const;
  std::optional<Window> child(int control_id) const;
  std::optional<Window> child_of_class(std::wstring_view class_name) const;

  void wait_title(std::string_view expected, std::chrono::milliseconds patience = kPatience) const;
  void wait_title_contains(std::string_view part, std::chrono::milliseconds patience = kPatience) const;
  void wait_text(std::string_view expected, std::chrono::milliseconds patience = kPatience) const;
  void wait_gone(std::chrono::milliseconds patience = kPatience) const;

  // Asks for a new outer size without waiting for the program (the call
  // would block while the program is busy), then waits until it is seen.
  void resize(int width, int height) const;
  void move_to(int left, int top) const;
  // Moves the mouse to a point given in client coordinates and clicks the
  // left button there.
  void click(POINT client_point) const;
  // Sends a message and returns the window's answer, or nothing when the
  // window is gone, before or while it is asked (a dialog's list view is
  // made anew for every folder it shows). The answer is awaited like
  // everything else: a program that is busy with the message (Wine's edit
  // box takes seconds for a big text) is given the whole patience, and one
  // that gives no answer within it fails the test as a wait does.
  std::optional<LRESULT> ask(UINT message, WPARAM wparam = 0, LPARAM lparam = 0,
                             std::chrono::milliseconds patience = kPatience) const;
  // The same for a window that must be there: throws WindowGone when it is not.
  LRESULT send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0,
               std::chrono::milliseconds patience = kPatience) const;
  // Replaces the window's text (WM_SETTEXT), e.g. a dialog's edit field.
  void set_text(std::string_view gbk_text, std::chrono::milliseconds patience = kPatience) const;
  // Posts a button press (WM_COMMAND with BN_CLICKED) for the child button
  // `button_id`; posting never waits for a modal window the button opens.
  void post_button_press(int button_id) const;

 private:
  void wait_geometry(std::string_view what, RECT expected) const;

  HWND handle_;
  DWORD process_id_ = 0;
};

// The top-level windows of a process (of every process for 0), hidden ones
// included, from the top of the z-order down.
std::vector<Window> top_level_windows(DWORD process_id);

// How the window appears in failure messages: handle, class, title, rectangle, state.
std::string describe(const Window& window);

}  // namespace e2e
