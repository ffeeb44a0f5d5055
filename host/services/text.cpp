#include "host/services/text.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// One bit per byte of a 64-byte block.
struct BlockMasks {
  std::uint64_t high = 0;   // bytes >= 0x80
  std::uint64_t space = 0;  // 0x20
  std::uint64_t a1 = 0;     // 0xA1
};

#if defined(__SSE2__)
BlockMasks classify_block(const unsigned char* block) {
  const __m128i space = _mm_set1_epi8(static_cast<char>(kSpace));
  const __m128i a1 = _mm_set1_epi8(static_cast<char>(kFullWidthSpaceHalf));
  BlockMasks masks;
  for (int part = 0; part < 4; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
    const auto bits = [](__m128i flags) { return std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(flags))}; };
    masks.high |= bits(bytes) << (16 * part);
    masks.space |= bits(_mm_cmpeq_epi8(bytes, space)) << (16 * part);
    masks.a1 |= bits(_mm_cmpeq_epi8(bytes, a1)) << (16 * part);
  }
  return masks;
}
#else
BlockMasks classify_block(const unsigned char* block) {
  BlockMasks masks;
  for (int i = 0; i < 64; ++i) {
    const std::uint64_t bit = std::uint64_t{1} << i;
    if (is_lead_byte(block[i])) masks.high |= bit;
    if (block[i] == kSpace) masks.space |= bit;
    if (block[i] == kFullWidthSpaceHalf) masks.a1 |= bit;
  }
  return masks;
}
#endif

// The trail bytes of a block: a byte is the second half of a double-byte
// character exactly when an odd-length run of high bytes ends right before it,
// because a low byte always ends a character and a high byte that starts one
// swallows the next byte. This is the odd-run trick used to find escaped
// characters after runs of backslashes. `trail_in` says whether the block's
// first byte is a trail byte; on return it says the same of the next block.
std::uint64_t trail_bytes(std::uint64_t high, bool& trail_in) {
  constexpr std::uint64_t kEvenBits = 0x5555555555555555;
  const std::uint64_t carried = trail_in ? 1 : 0;
  const std::uint64_t leads = high & ~carried;
  const std::uint64_t after_lead = (leads << 1) | carried;
  const std::uint64_t odd_run_starts = leads & ~kEvenBits & ~after_lead;
  std::uint64_t runs_from_even_bits = 0;
  trail_in = __builtin_add_overflow(odd_run_starts, leads, &runs_from_even_bits);
  return (kEvenBits ^ (runs_from_even_bits << 1)) & after_lead;
}

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

// The statistics call this on every Enter with the whole document, so it works
// on 64-byte blocks with bit masks instead of stepping byte by byte: removed
// are the spaces that are not trail bytes, the A1 A1 pairs whose second A1 is
// a trail byte, and a final lead byte.
std::size_t space_free_length(std::string_view text) {
  const auto* data = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t full_blocks = text.size() / 64;
  std::size_t removed = 0;
  bool trail_in = false;
  std::uint64_t last_a1 = 0;  // whether the byte before the block is A1
  std::uint64_t trail = 0;

  const auto count_block = [&](const unsigned char* block) {
    const BlockMasks masks = classify_block(block);
    trail = trail_bytes(masks.high, trail_in);
    const std::uint64_t a1_before = (masks.a1 << 1) | last_a1;
    removed += std::popcount(masks.space & ~trail);
    removed += 2 * std::popcount(trail & masks.a1 & a1_before);
    last_a1 = masks.a1 >> 63;
  };
  for (std::size_t block = 0; block < full_blocks; ++block) count_block(data + 64 * block);

  // The rest goes through the same code padded with zero bytes, which are
  // neither spaces nor lead bytes. A trail mark on the first padding byte
  // means the text ended on a lead byte.
  unsigned char tail[64] = {};
  const std::size_t rest = text.size() % 64;
  if (rest != 0) std::memcpy(tail, data + 64 * full_blocks, rest);
  count_block(tail);
  removed += (trail >> rest) & 1;
  return text.size() - removed;
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
  std::vector<Text> members;
  if (text.empty() || (limited && remaining == 0)) return Array<Text>::one_dimensional({});
  if (separator.empty()) return Array<Text>::one_dimensional({Text(text)});

  std::size_t cut = 0;
  std::size_t i = 0;
  bool ran_out = false;
  while (text.size() - i >= separator.size()) {
    if (text.compare(i, separator.size(), separator) == 0) {
      members.emplace_back(text.substr(cut, i - cut));
      i += separator.size();
      cut = i;
      if (limited && --remaining == 0) {
        ran_out = true;
        break;
      }
    } else if (is_lead_byte(byte_at(text, i))) {
      if (i + 1 == text.size()) break;
      i += 2;
    } else {
      ++i;
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
