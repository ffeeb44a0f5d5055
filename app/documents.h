// The document commands: new, save, open, append, and the confirmation asked
// when the main window is closed. There is no modified flag: the document
// counts as changed when it differs from the file the common dialog last
// named. A document keeps the encoding its file was opened in (GB18030 for a
// new one) and is saved in it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/unit_properties.h"
#include "host/forms/handlers.h"
#include "host/host_api.h"
#include "host/services/document_encoding.h"
#include "host/services/recovery_copy.h"

namespace app {

class Documents {
 public:
  explicit Documents(host::HostApi& host);

  void new_document();
  // True only when the document was written to the chosen file.
  bool save_document();
  void open_document();
  void append_document();
  // A file named from outside the program (the command line, a drop), opened
  // or appended as the commands do with the dialog's choice. No dialog has
  // checked it: one that is not there or cannot be read is named in a
  // message and changes nothing. True when the document took it.
  bool open_file(const host::Text& file_name);
  bool append_file(const host::Text& file_name);
  // Files dropped on the main window: the first is opened, or appended with
  // Ctrl held; the writer is told that the others were left.
  void take_dropped_files(const host::DroppedFiles& dropped);
  // The main window's query close: a returned 0 keeps the window open; a
  // confirmed exit ends the program and does not come back.
  host::HandlerResult confirm_exit();

  // What a recovery copy of the document holds now; nothing while it is
  // empty or the text last opened or saved.
  std::optional<host::RecoveryCopy> unsaved_copy();
  // Puts a recovered text in as an unsaved document of its file and
  // encoding, after whatever the edit box holds already.
  void restore(const host::RecoveryCopy& copy);

 private:
  // NotSaved: the writer asked for the document to be saved and it was not
  // (dialog cancelled or write failed).
  enum class ChangeCheck { Settled, NotSaved };

  // Offers to save a document that differs from its file.
  ChangeCheck check_for_changes();
  // Sets the common dialog's kind and start folder, then runs it.
  bool run_file_dialog(int kind);
  // The warning before a document with text is replaced; true to go on.
  bool replacing_confirmed();
  bool readable_or_said(const host::Text& file_name);
  // The file becomes the document, in its own encoding; the edit box is
  // emptied first when it held text.
  void load(const host::Text& file_name, bool had_text);
  void append(const host::Text& file_name);
  // The document in its encoding, written; the checksum of the text written,
  // or nothing when the write failed.
  std::optional<std::uint64_t> write_document(const host::Text& file_name);
  // The file's text in the encoding it is in; a file that cannot be read is
  // an empty GB18030 one.
  host::Document read_document(const host::Text& file_name);
  host::Text current_file_name();
  host::Text content();
  // The edit box holds the text of its file (or a new one) with this
  // checksum: no recovery copy is needed until it changes.
  void settle(std::uint64_t checksum);

  host::HostApi& host_;
  UnitProperties properties_;
  host::DocumentEncoding encoding_ = host::DocumentEncoding::Gb18030;
  // The checksum of the text last opened or saved (none after a recovery),
  // and the edit box's change count then: while it stays, the text is not
  // read again to be compared.
  std::optional<std::uint64_t> settled_checksum_ = host::checksum_of("");
  std::optional<std::uint64_t> settled_changes_;
};

}  // namespace app
