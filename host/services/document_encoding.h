// The encodings a document's file can be in, and the program's text of it.
// A file is read in the encoding it is in and saved in that same encoding,
// so that a document opened and saved unchanged keeps its bytes.
#pragma once

#include <string>
#include <string_view>

#include "host/services/value.h"

namespace host {

enum class DocumentEncoding {
  Gb18030,  // the program's own bytes (GBK for every GBK text), no mark
  Utf8,
  Utf8WithMark,
  Utf16LeWithMark,
  Utf16BeWithMark,
};

// What a document's bytes are: a UTF-8 or UTF-16 byte-order mark followed by
// text that is valid in that encoding; text without a mark that is strictly
// valid UTF-8 and holds at least one character of three or four bytes (every
// Chinese character); anything else is the program's own GB18030.
DocumentEncoding detect_encoding(std::string_view bytes);

struct Document {
  Text text;
  DocumentEncoding encoding;
};

// The program's text of a file's bytes, in the encoding they are in, without
// the mark and up to the first zero character (for GB18030, the first zero
// byte).
Document read_document(std::string_view bytes);

// The bytes of a document in the encoding: the mark, then the text.
std::string document_bytes(std::string_view text, DocumentEncoding encoding);

}  // namespace host
