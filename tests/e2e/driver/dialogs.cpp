#include "driver/dialogs.h"

#include <dlgs.h>

#include <cstdlib>
#include <stdexcept>

#include "driver/text.h"

namespace e2e {

namespace {

bool is_push_button(const Window& window) {
  const LONG type = window.style() & BS_TYPEMASK;
  return window.has_class(L"Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// A button label as a person reads it: no "&" marker, ASCII case folded.
std::wstring plain_label(std::wstring_view label) {
  std::wstring plain;
  for (wchar_t c : label) {
    if (c == L'&') continue;
    plain += (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
  }
  return plain;
}

Window required_child(const Dialog& dialog, int id) {
  const std::optional<Window> control = dialog.window().child(id);
  if (!control) throw std::runtime_error("no control " + std::to_string(id) + " in " + describe(dialog.window()));
  return *control;
}

// Selects the list entry showing `entry` in a combo box of the dialog and
// tells the dialog, as a click on the entry does.
void select_in_combo_box(const Dialog& dialog, int combo_box_id, std::string_view entry) {
  const Window combo_box = required_child(dialog, combo_box_id);
  const std::wstring entry_wide = wide(entry);
  const LRESULT index =
      combo_box.send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry_wide.c_str()));
  if (index == CB_ERR)
    throw std::runtime_error("\"" + readable(entry_wide) + "\" is not offered by " + describe(combo_box));
  combo_box.send(CB_SETCURSEL, static_cast<WPARAM>(index));
  PostMessageW(dialog.window().handle(), WM_COMMAND, MAKEWPARAM(combo_box_id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo_box.handle()));
}

}  // namespace

bool is_dialog(const Window& window) { return window.has_class(L"#32770"); }

std::vector<Window> Dialog::buttons() const {
  std::vector<Window> found;
  for (const Window& child : window_.children())
    if (is_push_button(child) && child.visible()) found.push_back(child);
  return found;
}

void Dialog::press(int button_id) const { window_.post_button_press(button_id); }

void Dialog::press(std::string_view label) const {
  const std::wstring wanted = plain_label(wide(label));
  for (const Window& button : buttons()) {
    if (plain_label(wide(button.title())) == wanted) {
      press(button.control_id());
      return;
    }
  }
  throw std::runtime_error("no button \"" + readable_gbk(label) + "\" in " + describe(window_));
}

std::vector<std::string> Dialog::button_labels() const {
  std::vector<std::string> labels;
  for (const Window& button : buttons()) {
    std::wstring label = wide(button.title());
    std::erase(label, L'&');
    labels.push_back(gbk(label));
  }
  return labels;
}

std::vector<int> Dialog::button_ids() const {
  std::vector<int> ids;
  for (const Window& button : buttons()) ids.push_back(button.control_id());
  return ids;
}

bool MessageBoxWindow::matches(const Window& window) {
  return is_dialog(window) && !FileDialog::matches(window) && !FontDialog::matches(window);
}

std::string MessageBoxWindow::text() const {
  for (const Window& child : window().children())
    if (child.has_class(L"Static") && (child.style() & SS_TYPEMASK) != SS_ICON) return child.text();
  throw std::runtime_error("no message text in " + describe(window()));
}

bool FileDialog::matches(const Window& window) {
  return is_dialog(window) && (window.child(cmb13) || window.child(edt1));
}

Window FileDialog::file_name_field() const {
  // The explorer-style dialogs keep the name in a combo box with an edit
  // field inside; the old style in a plain edit field.
  if (const auto combo_box = window().child(cmb13)) {
    if (const auto field = combo_box->child_of_class(L"Edit")) return *field;
    return *combo_box;
  }
  return required_child(*this, edt1);
}

std::string FileDialog::file_name() const { return file_name_field().text(); }

void FileDialog::enter_file_name(std::string_view name) const { file_name_field().set_text(name); }

bool FontDialog::matches(const Window& window) { return is_dialog(window) && window.child(cmb1) && window.child(cmb3); }

std::string FontDialog::face() const { return required_child(*this, cmb1).text(); }

int FontDialog::size() const { return std::atoi(required_child(*this, cmb3).text().c_str()); }

void FontDialog::choose_face(std::string_view face) const { select_in_combo_box(*this, cmb1, face); }

void FontDialog::choose_size(int points) const { select_in_combo_box(*this, cmb3, std::to_string(points)); }

}  // namespace e2e
