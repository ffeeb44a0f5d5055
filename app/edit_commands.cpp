#include "app/edit_commands.h"

#include "host/services/convert.h"
#include "host/services/text.h"

namespace app {

using host::units::kEditBox;
namespace edit = host::prop::edit;

EditCommands::EditCommands(host::HostApi& host) : host_(host), properties_(host) {}

EditCommands::Selection EditCommands::selection() {
  return {properties_.text(kEditBox, edit::kContent), properties_.integer(kEditBox, edit::kSelStart),
          properties_.integer(kEditBox, edit::kSelLength)};
}

host::Text EditCommands::replace_selection(const Selection& selection, std::string_view text) {
  const host::Text left = host::left_of_text(selection.content, selection.start);
  // Counts are worked out in double and truncated toward zero, like every
  // number the runtime turns into an int.
  const auto right_count = static_cast<int>(static_cast<double>(host::length_of_text(selection.content)) -
                                            selection.start - selection.length);
  const host::Text right = host::right_of_text(selection.content, right_count);
  return host::join_texts({left, text, right});
}

void EditCommands::copy() { host_.set_clipboard_text(properties_.text(kEditBox, edit::kSelText)); }

void EditCommands::cut() {
  copy();
  properties_.set(kEditBox, edit::kContent, replace_selection(selection(), ""));
}

void EditCommands::paste() {
  const Selection current = selection();
  properties_.set(kEditBox, edit::kContent, replace_selection(current, host_.clipboard_text()));
}

void EditCommands::insert_date_time() {
  const host::Text now = host::to_text(host_.current_date_time());
  host_.append_text(kEditBox, host::join_texts({"  ", now, "  "}));
}

}  // namespace app
