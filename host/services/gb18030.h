// The program's texts are GB18030 bytes: ASCII; code page 936's characters
// as the platform defines them (its single byte 80 for the euro sign, its two
// bytes for everything else it has, user-defined areas included); and
// GB18030's four-byte forms for every other character. On every GBK byte
// sequence this is GBK itself, so stored files and byte counts stay what
// they were.
//
// This is the one codec between those bytes and UTF-16, and it loses nothing
// either way: a byte that begins no character travels as a lone low
// surrogate, U+DC80 + byte, and comes back as the same byte. Bytes to UTF-16
// to bytes gives every byte string back; UTF-16 to bytes to UTF-16 gives
// back every text without lone surrogates (any lone surrogate outside
// U+DC80-U+DCFF becomes '?').
#pragma once

#include <cstddef>
#include <cwchar>
#include <string>
#include <string_view>

namespace host::gb18030 {

std::u16string to_utf16(std::string_view bytes);
std::string from_utf16(std::u16string_view text);

// The UTF-16 other programs get (the clipboard): a byte that begins no
// character becomes U+FFFD, never a lone surrogate.
std::u16string to_utf16_for_others(std::string_view bytes);

#if WCHAR_MAX <= 0xFFFF
// Where wchar_t is a UTF-16 unit (Windows): the same as std::wstring,
// without converting the string once more.
std::wstring to_wide(std::string_view bytes);
std::wstring to_wide_for_others(std::string_view bytes);
#endif

// The character at the start of non-empty `bytes`: how many bytes it takes
// and how many UTF-16 units it is.
struct Extent {
  std::size_t bytes;
  std::size_t units;
};
Extent first_character(std::string_view bytes);

// How many bytes the text's UTF-16 unit `unit` (a high surrogate followed by
// a low one: the pair) becomes.
std::size_t byte_length_of_unit(std::u16string_view text, std::size_t unit);

// The lone low surrogate a byte that begins no character travels as.
inline constexpr char16_t kLoneByteBase = 0xDC00;
inline bool is_lone_byte(char16_t unit) { return unit >= 0xDC80 && unit <= 0xDCFF; }

}  // namespace host::gb18030
