#include "host/services/document_encoding.h"

#include <algorithm>
#include <optional>

#include "host/services/gb18030.h"

namespace host {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr char16_t kReplacement = 0xFFFD;

unsigned char byte_at(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }
bool is_high_surrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool is_low_surrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void append_code_point(std::u16string& text, char32_t code) {
  if (code < 0x10000) {
    text += static_cast<char16_t>(code);
  } else {
    code -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (code >> 10));
    text += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
  }
}

// Whether the bytes are strictly valid UTF-8 (no overlong forms, no
// surrogates, nothing past U+10FFFF); `long_character` is set when they hold
// a character of three or four bytes, and `text`, when given, gets them as
// UTF-16.
bool is_strict_utf8(std::string_view bytes, bool& long_character, std::u16string* text) {
  if (text) text->reserve(bytes.size());
  long_character = false;
  for (std::size_t at = 0; at < bytes.size();) {
    const unsigned char first = byte_at(bytes, at);
    if (first < 0x80) {
      if (text) *text += static_cast<char16_t>(first);
      ++at;
      continue;
    }
    std::size_t length = 0;
    char32_t code = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (first >= 0xC2 && first <= 0xDF) {
      length = 2, code = first & 0x1F;
    } else if (first >= 0xE0 && first <= 0xEF) {
      length = 3, code = first & 0x0F;
      if (first == 0xE0) low = 0xA0;
      if (first == 0xED) high = 0x9F;
    } else if (first >= 0xF0 && first <= 0xF4) {
      length = 4, code = first & 0x07;
      if (first == 0xF0) low = 0x90;
      if (first == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (at + length > bytes.size()) return false;
    for (std::size_t i = 1; i < length; ++i) {
      const unsigned char next = byte_at(bytes, at + i);
      if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return false;
      code = code << 6 | (next & 0x3F);
    }
    if (text) append_code_point(*text, code);
    if (length >= 3) long_character = true;
    at += length;
  }
  return true;
}

std::optional<std::u16string> strict_utf8(std::string_view bytes) {
  bool long_character = false;
  std::u16string text;
  if (!is_strict_utf8(bytes, long_character, &text)) return std::nullopt;
  return text;
}

// UTF-16 in the byte order given, or nothing for an odd length or a lone surrogate.
std::optional<std::u16string> strict_utf16(std::string_view bytes, bool big_endian) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  std::u16string text(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned first = byte_at(bytes, 2 * i), second = byte_at(bytes, 2 * i + 1);
    text[i] = static_cast<char16_t>(big_endian ? first << 8 | second : second << 8 | first);
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (is_high_surrogate(text[i]) && i + 1 < text.size() && is_low_surrogate(text[i + 1])) {
      ++i;
    } else if (is_high_surrogate(text[i]) || is_low_surrogate(text[i])) {
      return std::nullopt;
    }
  }
  return text;
}

// The text of the bytes after the mark, if they are valid in the encoding.
std::optional<std::u16string> decoded(std::string_view bytes, DocumentEncoding encoding) {
  switch (encoding) {
    case DocumentEncoding::Utf8WithMark: return strict_utf8(bytes.substr(kUtf8Mark.size()));
    case DocumentEncoding::Utf8: return strict_utf8(bytes);
    case DocumentEncoding::Utf16LeWithMark: return strict_utf16(bytes.substr(kUtf16LeMark.size()), false);
    case DocumentEncoding::Utf16BeWithMark: return strict_utf16(bytes.substr(kUtf16BeMark.size()), true);
    case DocumentEncoding::Gb18030: break;
  }
  return std::nullopt;
}

void append_utf8(std::string& bytes, char32_t code) {
  if (code < 0x80) {
    bytes += static_cast<char>(code);
  } else if (code < 0x800) {
    bytes += {static_cast<char>(0xC0 | code >> 6), static_cast<char>(0x80 | (code & 0x3F))};
  } else if (code < 0x10000) {
    bytes += {static_cast<char>(0xE0 | code >> 12), static_cast<char>(0x80 | (code >> 6 & 0x3F)),
              static_cast<char>(0x80 | (code & 0x3F))};
  } else {
    bytes += {static_cast<char>(0xF0 | code >> 18), static_cast<char>(0x80 | (code >> 12 & 0x3F)),
              static_cast<char>(0x80 | (code >> 6 & 0x3F)), static_cast<char>(0x80 | (code & 0x3F))};
  }
}

// A byte that began no character in the text goes back as that byte; a
// lone surrogate of another kind cannot be written in UTF-8.
std::string utf8_of(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (is_high_surrogate(unit) && i + 1 < text.size() && is_low_surrogate(text[i + 1])) {
      append_utf8(bytes, 0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00));
    } else if (gb18030::is_lone_byte(unit)) {
      bytes += static_cast<char>(unit - gb18030::kLoneByteBase);
    } else {
      append_utf8(bytes, is_high_surrogate(unit) || is_low_surrogate(unit) ? kReplacement : unit);
    }
  }
  return bytes;
}

std::string utf16_of(std::u16string_view text, bool big_endian) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += big_endian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

}  // namespace

DocumentEncoding detect_encoding(std::string_view bytes) {
  DocumentEncoding marked = DocumentEncoding::Gb18030;
  if (bytes.starts_with(kUtf8Mark)) {
    marked = DocumentEncoding::Utf8WithMark;
  } else if (bytes.starts_with(kUtf16LeMark)) {
    marked = DocumentEncoding::Utf16LeWithMark;
  } else if (bytes.starts_with(kUtf16BeMark)) {
    marked = DocumentEncoding::Utf16BeWithMark;
  }
  if (marked != DocumentEncoding::Gb18030) return decoded(bytes, marked) ? marked : DocumentEncoding::Gb18030;
  // Without a mark, a character of three or four bytes is asked for, not just
  // one of two: many single GBK characters are valid two-byte UTF-8 (一 is
  // D2 BB, which UTF-8 reads as a Cyrillic letter), while every Chinese
  // character takes three bytes in UTF-8.
  bool long_character = false;
  return is_strict_utf8(bytes, long_character, nullptr) && long_character ? DocumentEncoding::Utf8
                                                                          : DocumentEncoding::Gb18030;
}

Document read_document(std::string_view bytes) {
  const DocumentEncoding encoding = detect_encoding(bytes);
  if (encoding == DocumentEncoding::Gb18030) return {Text(bytes.substr(0, bytes.find('\0'))), encoding};
  std::u16string text = *decoded(bytes, encoding);
  text.resize(std::min(text.size(), text.find(u'\0')));
  return {gb18030::from_utf16(text), encoding};
}

std::string document_bytes(std::string_view text, DocumentEncoding encoding) {
  switch (encoding) {
    case DocumentEncoding::Gb18030: return std::string(text);
    case DocumentEncoding::Utf8: return utf8_of(gb18030::to_utf16(text));
    case DocumentEncoding::Utf8WithMark: return std::string(kUtf8Mark) + utf8_of(gb18030::to_utf16(text));
    case DocumentEncoding::Utf16LeWithMark: return std::string(kUtf16LeMark) + utf16_of(gb18030::to_utf16(text), false);
    case DocumentEncoding::Utf16BeWithMark: return std::string(kUtf16BeMark) + utf16_of(gb18030::to_utf16(text), true);
  }
  return std::string(text);
}

}  // namespace host
