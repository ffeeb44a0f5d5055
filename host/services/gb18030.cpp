#include "host/services/gb18030.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace host::gb18030 {
namespace {

// A run of four-byte codes whose linear index and code point rise together.
struct FourByteRange {
  std::uint32_t linear;
  std::uint32_t code;
  std::uint32_t count;
};

// kTwoByteUnits: code page 936's character for each lead byte 0x81-0xFE and
// trail byte 0x40-0xFE without 0x7F (0: none); kFourByteRangesByIndex and
// kFourByteRangesByCode: the four-byte forms of the Basic Multilingual
// Plane. Generated at build time by tools/gb18030_tables.
#include "gb18030_tables.inc"

constexpr std::uint32_t kTrailCount = 190;
constexpr char16_t kEuro = 0x20AC;
constexpr unsigned char kEuroByte = 0x80;
// The four-byte codes from 90 30 81 30 on are the other planes, in order.
constexpr std::uint32_t kFirstSupplementaryLinear = 15 * 10 * 126 * 10;
constexpr char32_t kFirstSupplementary = 0x10000;
constexpr char32_t kLastCodePoint = 0x10FFFF;
// What a lone surrogate that stands for no byte becomes.
constexpr char kUnencodable = '?';
constexpr char16_t kReplacement = 0xFFFD;

bool is_lead(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool is_digit(unsigned char byte) { return byte >= 0x30 && byte <= 0x39; }
bool is_high_surrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool is_low_surrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The index of a two-byte code in kTwoByteUnits, or none for a byte that is
// no trail byte.
int two_byte_index(unsigned char lead, unsigned char trail) {
  if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return -1;
  return static_cast<int>((lead - 0x81u) * kTrailCount + (trail - 0x40u) - (trail > 0x7F ? 1u : 0u));
}

// Lead byte * 256 + trail byte -> the character, 0 for none: the two-byte
// part for the short way of whole texts, without the index arithmetic.
const std::array<std::uint16_t, 0x10000>& units_by_pair() {
  static const std::array<std::uint16_t, 0x10000> units = [] {
    std::array<std::uint16_t, 0x10000> table{};
    for (std::uint32_t pair = 0x8100; pair <= 0xFEFF; ++pair) {
      const int index = two_byte_index(static_cast<unsigned char>(pair >> 8), static_cast<unsigned char>(pair & 0xFF));
      if (index >= 0) table[pair] = kTwoByteUnits[index];
    }
    return table;
  }();
  return units;
}

// Code point -> lead byte * 256 + trail byte, for every character of the two-byte part.
const std::array<std::uint16_t, 0x10000>& two_byte_codes() {
  static const std::array<std::uint16_t, 0x10000> codes = [] {
    std::array<std::uint16_t, 0x10000> table{};
    for (std::uint32_t index = 0; index < std::size(kTwoByteUnits); ++index) {
      if (kTwoByteUnits[index] == 0) continue;
      const std::uint32_t trail = index % kTrailCount;
      table[kTwoByteUnits[index]] =
          static_cast<std::uint16_t>((0x81 + index / kTrailCount) << 8 | (0x40 + trail + (trail >= 0x3F ? 1 : 0)));
    }
    return table;
  }();
  return codes;
}

// 0 for a code point outside the four-byte part of the first plane.
char32_t bmp_code_of_linear(std::uint32_t linear) {
  const auto* end = std::end(kFourByteRangesByIndex);
  const auto* range = std::upper_bound(std::begin(kFourByteRangesByIndex), end, linear,
                                       [](std::uint32_t value, const FourByteRange& r) { return value < r.linear; });
  if (range == std::begin(kFourByteRangesByIndex)) return 0;
  --range;
  return linear - range->linear < range->count ? range->code + (linear - range->linear) : 0;
}

// The linear index of a first-plane character's four-byte code, if it has one.
bool bmp_linear_of_code(char32_t code, std::uint32_t& linear) {
  const auto* end = std::end(kFourByteRangesByCode);
  const auto* range = std::upper_bound(std::begin(kFourByteRangesByCode), end, code,
                                       [](char32_t value, const FourByteRange& r) { return value < r.code; });
  if (range == std::begin(kFourByteRangesByCode)) return false;
  --range;
  if (code - range->code >= range->count) return false;
  linear = range->linear + (code - range->code);
  return true;
}

void append_four_bytes(std::string& out, std::uint32_t linear) {
  const char b4 = static_cast<char>(0x30 + linear % 10);
  linear /= 10;
  const char b3 = static_cast<char>(0x81 + linear % 126);
  linear /= 126;
  const char b2 = static_cast<char>(0x30 + linear % 10);
  const char b1 = static_cast<char>(0x81 + linear / 10);
  out += {b1, b2, b3, b4};
}

// One character at bytes[0..]: its code point, or a lone byte's surrogate,
// and how many bytes it takes.
struct Decoded {
  char32_t code;
  std::size_t bytes;
};

Decoded decode_one(const unsigned char* bytes, std::size_t left) {
  const unsigned char first = bytes[0];
  if (first < 0x80) return {first, 1};
  if (first == kEuroByte) return {kEuro, 1};
  if (is_lead(first) && left >= 2) {
    const int index = two_byte_index(first, bytes[1]);
    if (index >= 0 && kTwoByteUnits[index] != 0) return {kTwoByteUnits[index], 2};
    if (is_digit(bytes[1]) && left >= 4 && is_lead(bytes[2]) && is_digit(bytes[3])) {
      const std::uint32_t linear =
          (((first - 0x81u) * 10 + (bytes[1] - 0x30u)) * 126 + (bytes[2] - 0x81u)) * 10 + (bytes[3] - 0x30u);
      const char32_t code = linear >= kFirstSupplementaryLinear
                                ? kFirstSupplementary + (linear - kFirstSupplementaryLinear)
                                : bmp_code_of_linear(linear);
      if (code != 0 && code <= kLastCodePoint) return {code, 4};
    }
  }
  return {static_cast<char32_t>(kLoneByteBase + first), 1};
}

void append_bytes(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code >= kFirstSupplementary) {
    append_four_bytes(out, kFirstSupplementaryLinear + (code - kFirstSupplementary));
  } else if (is_lone_byte(static_cast<char16_t>(code))) {
    out += static_cast<char>(code - kLoneByteBase);
  } else if (code == kEuro) {
    out += static_cast<char>(kEuroByte);
  } else if (const std::uint16_t pair = two_byte_codes()[code]) {
    out += {static_cast<char>(pair >> 8), static_cast<char>(pair & 0xFF)};
  } else if (std::uint32_t linear = 0; bmp_linear_of_code(code, linear)) {
    append_four_bytes(out, linear);
  } else {
    out += kUnencodable;  // a lone surrogate that stands for no byte
  }
}

// The code point at text[at], a surrogate pair taken whole; `units` is set
// to how many units it takes.
char32_t code_point_at(std::u16string_view text, std::size_t at, std::size_t& units) {
  const char32_t unit = text[at];
  if (is_high_surrogate(unit) && at + 1 < text.size() && is_low_surrogate(text[at + 1])) {
    units = 2;
    return kFirstSupplementary + ((unit - 0xD800) << 10) + (text[at + 1] - 0xDC00);
  }
  units = 1;
  return unit;
}

// Whole texts run through here: the common characters (ASCII and the
// two-byte part) take the short way, everything else decode_one. No
// character has more units than bytes, so the text never needs more units
// than there are bytes; that room is reserved at once but filled a window at
// a time, so that memory a text of Chinese characters (half as many units
// as bytes) never uses is never touched either.
template <class Unit>
std::basic_string<Unit> decode_all(std::string_view bytes, bool replace_lone_bytes) {
  constexpr std::size_t kWindow = 1 << 16;
  constexpr std::size_t kLongestCharacter = 4;
  std::basic_string<Unit> text;
  text.reserve(bytes.size() + kLongestCharacter);
  std::size_t written = 0;
  const std::array<std::uint16_t, 0x10000>& pairs = units_by_pair();
  const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = at + bytes.size();
  while (at < end) {
    // Characters that start in the window; the last may reach past it.
    const std::size_t window = std::min<std::size_t>(kWindow, static_cast<std::size_t>(end - at));
    const auto* const window_end = at + window;
    text.resize(written + window + kLongestCharacter);
    Unit* out = text.data() + written;
    while (at < window_end) {
      // Runs of ASCII, then runs of two-byte characters, in loops of their own.
      while (at < window_end && *at < 0x80) *out++ = static_cast<Unit>(*at++);
      while (at < window_end && end - at >= 2) {
        const std::uint16_t unit = pairs[*at << 8 | at[1]];
        if (unit == 0) break;
        *out++ = static_cast<Unit>(unit);
        at += 2;
      }
      if (at >= window_end || *at < 0x80) continue;
      const Decoded decoded = decode_one(at, static_cast<std::size_t>(end - at));
      const bool lone_byte = decoded.code >= 0xDC80 && decoded.code <= 0xDCFF;
      const char32_t code = lone_byte && replace_lone_bytes ? kReplacement : decoded.code;
      if (code < kFirstSupplementary) {
        *out++ = static_cast<Unit>(code);
      } else {
        *out++ = static_cast<Unit>(0xD800 + ((code - kFirstSupplementary) >> 10));
        *out++ = static_cast<Unit>(0xDC00 + ((code - kFirstSupplementary) & 0x3FF));
      }
      at += decoded.bytes;
    }
    written = static_cast<std::size_t>(out - text.data());
  }
  text.resize(written);
  return text;
}

}  // namespace

std::u16string to_utf16(std::string_view bytes) { return decode_all<char16_t>(bytes, false); }

std::u16string to_utf16_for_others(std::string_view bytes) { return decode_all<char16_t>(bytes, true); }

#if WCHAR_MAX <= 0xFFFF
std::wstring to_wide(std::string_view bytes) { return decode_all<wchar_t>(bytes, false); }

std::wstring to_wide_for_others(std::string_view bytes) { return decode_all<wchar_t>(bytes, true); }
#endif

// The common characters (ASCII and the two-byte part) take the short way;
// the bytes grow as they must, four at most for a unit.
std::string from_utf16(std::u16string_view text) {
  std::string bytes(text.size() * 2 + 4, '\0');
  const std::array<std::uint16_t, 0x10000>& pairs = two_byte_codes();
  char* out = bytes.data();
  // Up to room_end the short way writes; a character of any size fits after it.
  char* room_end = out + bytes.size() - 4;
  for (std::size_t at = 0; at < text.size();) {
    if (room_end - out < 2) {
      const std::size_t written = static_cast<std::size_t>(out - bytes.data());
      bytes.resize(bytes.size() * 2);
      out = bytes.data() + written;
      room_end = bytes.data() + bytes.size() - 4;
    }
    // A run of ASCII and two-byte characters, as far as there is room for.
    const std::size_t run_end = std::min(text.size(), at + static_cast<std::size_t>(room_end - out) / 2);
    while (at < run_end) {
      const char16_t unit = text[at];
      if (unit < 0x80) {
        *out++ = static_cast<char>(unit);
      } else if (const std::uint16_t pair = pairs[unit]) {
        *out++ = static_cast<char>(pair >> 8);
        *out++ = static_cast<char>(pair & 0xFF);
      } else {
        break;
      }
      ++at;
    }
    if (at == text.size() || at == run_end) continue;
    std::size_t units = 1;
    std::string other;
    append_bytes(other, code_point_at(text, at, units));
    out = std::copy(other.begin(), other.end(), out);
    at += units;
  }
  bytes.resize(static_cast<std::size_t>(out - bytes.data()));
  return bytes;
}

Extent first_character(std::string_view bytes) {
  const Decoded decoded = decode_one(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  return {decoded.bytes, decoded.code >= kFirstSupplementary ? 2u : 1u};
}

std::size_t byte_length_of_unit(std::u16string_view text, std::size_t unit) {
  std::size_t units = 1;
  const char32_t code = code_point_at(text, unit, units);
  if (code < 0x80 || code == kEuro || is_lone_byte(static_cast<char16_t>(code))) return 1;
  if (code >= kFirstSupplementary) return 4;
  if (two_byte_codes()[code] != 0) return 2;
  std::uint32_t linear = 0;
  return bmp_linear_of_code(code, linear) ? 4 : 1;
}

}  // namespace host::gb18030
