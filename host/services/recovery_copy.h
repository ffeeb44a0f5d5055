// A recovery copy: the unsaved text of a document, with what is needed to
// give it back as it was (its file's name and encoding) and when it was
// written. Its bytes carry their own length and checksum, so that a copy cut
// short or damaged is told from a whole one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/services/document_encoding.h"
#include "host/services/value.h"

namespace host {

struct RecoveryCopy {
  Text text;       // the edit box's text
  Text file_name;  // the document's file; empty before it had one
  DocumentEncoding encoding = DocumentEncoding::Gb18030;
  DateTime written_at;
  friend bool operator==(const RecoveryCopy&, const RecoveryCopy&) = default;
};

std::string recovery_copy_bytes(const RecoveryCopy& copy);

// FNV-1a over the bytes: tells a changed text from an unchanged one.
std::uint64_t checksum_of(std::string_view bytes);

// Nothing for bytes that are not one whole copy.
std::optional<RecoveryCopy> read_recovery_copy(std::string_view bytes);

}  // namespace host
