#include "host/services/text.h"

#include <algorithm>
#include <climits>

#include "host/services/space_count.h"

namespace host {
namespace {

constexpr unsigned char kSpace = 0x20;
constexpr unsigned char kFullWidthSpaceHalf = 0xA1;  // A1 A1 is the full-width space

unsigned char byte_at(std::string_view text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

// In GBK a byte >= 0x80 starts a double-byte character and takes the next byte
// with it, whatever that byte is.
bool is_lead_byte(unsigned char byte) { return byte >= 0x80; }

int saturated_int(std::size_t n) { return n > INT_MAX ? INT_MAX : static_cast<int>(n); }

unsigned char ascii_lower(unsigned char byte) { return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte; }

}  // namespace

int length_of_text(std::string_view text) { return saturated_int(text.size()); }

Text left_of_text(std::string_view text, int n) {
  if (n <= 0) return {};
  return Text(text.substr(0, static_cast<std::size_t>(n)));
}

Text right_of_text(std::string_view text, int n) {
  if (n <= 0) return {};
  const std::size_t count = std::min(text.size(), static_cast<std::size_t>(n));
  return Text(text.substr(text.size() - count));
}

Text remove_all_spaces(std::string_view text) {
  Text result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char byte = byte_at(text, i);
    if (!is_lead_byte(byte)) {
      if (byte != kSpace) result.push_back(static_cast<char>(byte));
      ++i;
      continue;
    }
    if (i + 1 == text.size()) break;  // a lead byte without its second half is dropped
    if (byte != kFullWidthSpaceHalf || byte_at(text, i + 1) != kFullWidthSpaceHalf) result.append(text.substr(i, 2));
    i += 2;
  }
  return result;
}

namespace {

// The statistics count whole documents with these, so they run block-wise
// counters instead of stepping byte by byte.
space_count::Counts space_counts(std::string_view text) {
  return space_count::cpu_has_avx2() ? space_count::counts_avx2(text) : space_count::counts_sse2(text);
}

}  // namespace

std::size_t space_free_length(std::string_view text) { return text.size() - space_counts(text).removed; }

std::size_t counted_length(std::string_view text) {
  const space_count::Counts counts = space_counts(text);
  return text.size() - counts.removed - counts.digit_trails;
}

// An empty text or a maximum of 0 gives no members, an empty delimiter the
// whole text. Otherwise every delimiter found at a character boundary ends a
// member (an empty one between adjacent delimiters); after the scan a
// non-empty remainder becomes the last member unless the maximum was reached,
// so a text ending with the delimiter has no empty last member.
Array<Text> split_text(std::string_view text, std::optional<std::string_view> delimiter, std::optional<int> maximum) {
  const std::string_view separator = delimiter.value_or(",");
  const bool limited = maximum.has_value();
  int remaining = limited ? std::max(*maximum, 0) : 0;
  if (text.empty() || (limited && remaining == 0)) return Array<Text>::one_dimensional({});
  if (separator.empty()) return Array<Text>::one_dimensional({Text(text)});

  // The statistics split whole documents at every Backspace, so occurrences
  // are found with find (memchr) rather than by stepping through every
  // character. An occurrence counts only where a character starts: that is
  // so when the byte before it cannot lead a double-byte character;
  // otherwise the characters are walked from the last known start.
  std::vector<Text> members;
  std::size_t cut = 0;
  std::size_t character_start = 0;  // a known character start, never past `from`
  std::size_t from = 0;
  bool ran_out = false;
  for (;;) {
    const std::size_t found = text.find(separator, from);
    if (found == std::string_view::npos) break;
    if (found > character_start && is_lead_byte(byte_at(text, found - 1))) {
      while (character_start < found) character_start += is_lead_byte(byte_at(text, character_start)) ? 2 : 1;
    } else {
      character_start = found;
    }
    if (character_start != found) {
      // The second byte of a double-byte character.
      from = found + 1;
      continue;
    }
    members.emplace_back(text.substr(cut, found - cut));
    cut = from = character_start = found + separator.size();
    if (limited && --remaining == 0) {
      ran_out = true;
      break;
    }
  }
  if (cut < text.size() && !ran_out) members.emplace_back(text.substr(cut));
  return Array<Text>::one_dimensional(std::move(members));
}

Text spaces(int n) { return n < 1 ? Text() : Text(static_cast<std::size_t>(n), ' '); }

// Both texts are walked a character at a time; while they agree their
// character boundaries agree too, so the second byte of a double-byte
// character is always compared exactly and never case-folded.
int compare_texts(std::string_view a, std::string_view b, bool case_sensitive) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common;) {
    unsigned char x = byte_at(a, i);
    unsigned char y = byte_at(b, i);
    if (!case_sensitive && !is_lead_byte(x) && !is_lead_byte(y)) {
      x = ascii_lower(x);
      y = ascii_lower(y);
    }
    if (x != y) return x < y ? -1 : 1;
    if (!is_lead_byte(x)) {
      ++i;
      continue;
    }
    if (i + 1 < common && a[i + 1] != b[i + 1]) return byte_at(a, i + 1) < byte_at(b, i + 1) ? -1 : 1;
    i += 2;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

Text join_texts(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  Text result;
  result.reserve(size);
  for (std::string_view part : parts) result.append(part);
  return result;
}

// std::string_view compares its characters as unsigned char.
int text_order(std::string_view a, std::string_view b) {
  const int order = a.compare(b);
  return (order > 0) - (order < 0);
}

}  // namespace host
