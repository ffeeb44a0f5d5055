// The program's modal windows: message boxes, the open and save dialogs and
// the font dialog (all of window class #32770). Buttons are pressed by
// posting their command to the dialog, which never blocks the driver even
// when the button opens another modal window (an overwrite prompt, a
// "file not found" box).
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "driver/wait.h"
#include "driver/window.h"

namespace e2e {

class Dialog {
 public:
  explicit Dialog(Window window) : window_(window) {}
  const Window& window() const { return window_; }
  std::string caption() const { return window_.title(); }

  // Presses the button with this id: IDOK, IDCANCEL, IDYES, IDNO, ...
  void press(int button_id) const;
  // Presses the button showing this GBK label, compared without its "&"
  // mnemonic marker and without regard to ASCII case ("Yes" finds "&Yes").
  void press(std::string_view label) const;
  // The labels of its push buttons, "&" markers removed, in tab order.
  std::vector<std::string> button_labels() const;
  std::vector<int> button_ids() const;
  void wait_gone(std::chrono::milliseconds patience = kPatience) const { window_.wait_gone(patience); }

 private:
  std::vector<Window> buttons() const;

  Window window_;
};

class MessageBoxWindow : public Dialog {
 public:
  using Dialog::Dialog;
  static bool matches(const Window& window);
  // The message, GBK with the line breaks as given to MessageBox.
  std::string text() const;
};

class FileDialog : public Dialog {
 public:
  using Dialog::Dialog;
  static bool matches(const Window& window);
  std::string file_name() const;
  // Replaces the text of the file name field (GBK).
  void enter_file_name(std::string_view name) const;
  void ok() const { press(IDOK); }
  void cancel() const { press(IDCANCEL); }

 private:
  Window file_name_field() const;
};

class FontDialog : public Dialog {
 public:
  using Dialog::Dialog;
  static bool matches(const Window& window);
  std::string face() const;
  int size() const;
  // Selects a face in the list of fonts, as a click on it would.
  void choose_face(std::string_view face) const;
  // Enters a size in points into the size field.
  void choose_size(int points) const;
  void ok() const { press(IDOK); }
  void cancel() const { press(IDCANCEL); }
};

bool is_dialog(const Window& window);

}  // namespace e2e
