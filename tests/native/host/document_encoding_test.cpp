#include "host/services/document_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace host {
namespace {

// 你好 and 𠀀 (U+20000), which GBK lacks, in the program's GB18030.
const std::string kText = "\xC4\xE3\xBA\xC3\x95\x32\x82\x36";

TEST(DocumentEncoding, EachFileIsReadInItsEncodingAndSavedAsItWas) {
  const struct {
    const char* name;
    std::string bytes;
    DocumentEncoding encoding;
    std::string text;
  } cases[] = {
      {"GBK", "\xC4\xE3\xBA\xC3\r\nab", DocumentEncoding::Gb18030, "\xC4\xE3\xBA\xC3\r\nab"},
      {"GB18030", kText, DocumentEncoding::Gb18030, kText},
      {"ASCII", "plain text", DocumentEncoding::Gb18030, "plain text"},
      // 一 in GBK is D2 BB, also the two-byte UTF-8 of U+04BB: two-byte UTF-8
      // alone is no sign of UTF-8. "café" in UTF-8 is then kept as bytes too.
      {"GBK that is also two-byte UTF-8", "\xD2\xBB", DocumentEncoding::Gb18030, "\xD2\xBB"},
      {"UTF-8 with two-byte characters only", "caf\xC3\xA9", DocumentEncoding::Gb18030, "caf\xC3\xA9"},
      {"bytes that are no character", "\xFF\x81 \x80", DocumentEncoding::Gb18030, "\xFF\x81 \x80"},
      {"UTF-8", "\xE4\xBD\xA0\xE5\xA5\xBD\xF0\xA0\x80\x80", DocumentEncoding::Utf8, kText},
      {"UTF-8 with its mark", "\xEF\xBB\xBF\xE4\xBD\xA0\xE5\xA5\xBD\xF0\xA0\x80\x80", DocumentEncoding::Utf8WithMark, kText},
      {"UTF-8's mark alone", "\xEF\xBB\xBF", DocumentEncoding::Utf8WithMark, ""},
      {"UTF-16 LE", std::string("\xFF\xFE\x60\x4F\x7D\x59\x40\xD8\x00\xDC", 10), DocumentEncoding::Utf16LeWithMark, kText},
      {"UTF-16 BE", std::string("\xFE\xFF\x4F\x60\x59\x7D\xD8\x40\xDC\x00", 10), DocumentEncoding::Utf16BeWithMark, kText},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(detect_encoding(c.bytes), c.encoding);
    const Document document = read_document(c.bytes);
    EXPECT_EQ(document.encoding, c.encoding);
    EXPECT_EQ(document.text, c.text);
    EXPECT_EQ(document_bytes(document.text, document.encoding), c.bytes);
  }
}

// A mark followed by what the encoding cannot be, overlong or cut UTF-8,
// surrogates written in UTF-8: the bytes are the program's own, kept whole.
TEST(DocumentEncoding, WhatIsNotValidInAnEncodingIsReadAsTheProgramsOwnBytes) {
  const std::string files[] = {
      "\xEF\xBB\xBF\xFF",                      // UTF-8's mark, then a byte UTF-8 never has
      std::string("\xFF\xFE\x41", 3),          // UTF-16's mark and an odd length
      std::string("\xFF\xFE\x00\xD8\x41\x00", 6),  // a lone high surrogate
      "\xC0\xAF",                              // an overlong slash
      "\xED\xA0\x80",                          // a surrogate in UTF-8
      "\xE4\xBD",                              // a cut character
      "\xF4\x90\x80\x80",                      // past U+10FFFF
  };
  for (const std::string& bytes : files) {
    const Document document = read_document(bytes);
    EXPECT_EQ(document.encoding, DocumentEncoding::Gb18030) << testing::PrintToString(bytes);
    EXPECT_EQ(document_bytes(document.text, document.encoding), bytes.substr(0, bytes.find('\0')));
  }
}

TEST(DocumentEncoding, TheTextEndsAtTheFirstZeroCharacter) {
  EXPECT_EQ(read_document(std::string("ab\0cd", 5)).text, "ab");
  EXPECT_EQ(read_document(std::string("\xE4\xBD\xA0\0\xE5\xA5\xBD", 7)).text, "\xC4\xE3");
  // UTF-16 is full of zero bytes: only a zero character ends it.
  EXPECT_EQ(read_document(std::string("\xFF\xFE\x41\x00\x00\x00\x42\x00", 8)).text, "A");
}

TEST(DocumentEncoding, ANewTextIsSavedInTheDocumentsEncoding) {
  EXPECT_EQ(document_bytes(kText, DocumentEncoding::Gb18030), kText);
  EXPECT_EQ(document_bytes("a\xC4\xE3", DocumentEncoding::Utf8), "a\xE4\xBD\xA0");
  EXPECT_EQ(document_bytes("A", DocumentEncoding::Utf16BeWithMark), std::string("\xFE\xFF\x00\x41", 4));
  // A byte that began no character goes back as that byte.
  EXPECT_EQ(document_bytes("\xFF", DocumentEncoding::Utf8), "\xFF");
}

}  // namespace
}  // namespace host
