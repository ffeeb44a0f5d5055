// Cut, copy, paste and date-and-time on the edit box. Positions are bytes; the
// whole content is rewritten by cut and paste.
#pragma once

#include "app/unit_properties.h"
#include "host/host_api.h"

namespace app {

class EditCommands {
 public:
  explicit EditCommands(host::HostApi& host);

  void cut();
  void copy();
  void paste();
  // Appended at the end of the document, whatever the caret position.
  void insert_date_time();

 private:
  struct Selection {
    host::Text content;
    std::int32_t start;
    std::int32_t length;
  };
  Selection selection();
  // Content with the selection replaced by the text.
  static host::Text replace_selection(const Selection& selection, std::string_view text);

  host::HostApi& host_;
  UnitProperties properties_;
};

}  // namespace app
