#include "host/services/space_count.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if !defined(__SSE2__)
#error "the space counter is written for x86 with SSE2"
#endif
#include <immintrin.h>

// Instead of stepping byte by byte, each 64-byte block becomes four bit masks
// (bytes >= 0x80, spaces, A1 bytes, digits). From the first one a few integer
// operations find the second bytes of double-byte characters, and the removed
// bytes are then counted with popcount: spaces that are not second bytes, the
// A1 A1 pairs whose second A1 is a second byte, and a final lead byte. The
// digits that are second bytes are counted too.

namespace host::space_count {
namespace {

constexpr unsigned char kSpace = 0x20;
constexpr unsigned char kA1 = 0xA1;  // A1 A1 is the full-width space
constexpr unsigned char kZero = 0x30;
constexpr unsigned char kNine = 0x39;

struct BlockMasks {
  std::uint64_t high = 0;
  std::uint64_t space = 0;
  std::uint64_t a1 = 0;
  std::uint64_t digit = 0;
};

// A byte is the second half of a double-byte character exactly when an
// odd-length run of bytes >= 0x80 ends right before it: a low byte always ends
// a character, and a high byte that starts one swallows the next byte. This is
// the odd-run trick that finds escaped characters after runs of backslashes.
// `trail_in` says whether the block's first byte is a second byte; on return
// it says the same of the next block.
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

class Counter {
 public:
  void add(const BlockMasks& masks) {
    trail_ = trail_bytes(masks.high, trail_in_);
    const std::uint64_t a1_before = (masks.a1 << 1) | last_a1_;
    removed_ += std::popcount(masks.space & ~trail_);
    removed_ += 2 * std::popcount(trail_ & masks.a1 & a1_before);
    digit_trails_ += std::popcount(trail_ & masks.digit);
    last_a1_ = masks.a1 >> 63;
  }

  // The last block is padded with zero bytes, which are neither spaces nor
  // lead bytes; a second-byte mark on the first padding byte means that the
  // text ended on a lead byte.
  Counts counts_with_tail(const BlockMasks& tail, std::size_t tail_size) {
    add(tail);
    return {removed_ + static_cast<std::size_t>((trail_ >> tail_size) & 1), digit_trails_};
  }

 private:
  std::size_t removed_ = 0;
  std::size_t digit_trails_ = 0;
  bool trail_in_ = false;
  std::uint64_t last_a1_ = 0;  // whether the byte before the block is A1
  std::uint64_t trail_ = 0;
};

// Both counters run this loop with their own block classifier; it is inlined
// into each so that it is compiled for that counter's instruction set.
template <class Classify>
[[gnu::always_inline]] inline Counts count_blocks(std::string_view text, Classify classify) {
  const auto* data = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t full_blocks = text.size() / 64;
  Counter counter;
  for (std::size_t block = 0; block < full_blocks; ++block) counter.add(classify(data + 64 * block));
  alignas(32) unsigned char tail[64] = {};
  const std::size_t tail_size = text.size() % 64;
  if (tail_size != 0) std::memcpy(tail, data + 64 * full_blocks, tail_size);
  return counter.counts_with_tail(classify(tail), tail_size);
}

[[gnu::always_inline]] inline BlockMasks classify_sse2(const unsigned char* block) {
  const auto* parts = reinterpret_cast<const __m128i*>(block);
  const __m128i x0 = _mm_loadu_si128(parts), x1 = _mm_loadu_si128(parts + 1);
  const __m128i x2 = _mm_loadu_si128(parts + 2), x3 = _mm_loadu_si128(parts + 3);
  const auto bits = [](__m128i a, __m128i b, __m128i c, __m128i d) {
    const auto mask = [](__m128i flags) { return std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(flags))}; };
    return mask(a) | mask(b) << 16 | mask(c) << 32 | mask(d) << 48;
  };
  const auto equal = [](__m128i x, unsigned char byte) { return _mm_cmpeq_epi8(x, _mm_set1_epi8(static_cast<char>(byte))); };
  // Digits are positive as signed bytes; bytes >= 0x80 are negative.
  const auto digit = [](__m128i x) {
    return _mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8(static_cast<char>(kZero - 1))),
                         _mm_cmplt_epi8(x, _mm_set1_epi8(static_cast<char>(kNine + 1))));
  };
  return {bits(x0, x1, x2, x3), bits(equal(x0, kSpace), equal(x1, kSpace), equal(x2, kSpace), equal(x3, kSpace)),
          bits(equal(x0, kA1), equal(x1, kA1), equal(x2, kA1), equal(x3, kA1)),
          bits(digit(x0), digit(x1), digit(x2), digit(x3))};
}

[[gnu::target("avx2"), gnu::always_inline]] inline std::uint64_t mask_avx2(__m256i low, __m256i high) {
  return std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(low))} |
         std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(high))} << 32;
}

// Digits are positive as signed bytes; bytes >= 0x80 are negative.
[[gnu::target("avx2"), gnu::always_inline]] inline __m256i digits_avx2(__m256i x) {
  return _mm256_and_si256(_mm256_cmpgt_epi8(x, _mm256_set1_epi8(static_cast<char>(kZero - 1))),
                          _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(kNine + 1)), x));
}

[[gnu::target("avx2"), gnu::always_inline]] inline BlockMasks classify_avx2(const unsigned char* block) {
  const __m256i x0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block));
  const __m256i x1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + 32));
  const __m256i space = _mm256_set1_epi8(static_cast<char>(kSpace));
  const __m256i a1 = _mm256_set1_epi8(static_cast<char>(kA1));
  return {mask_avx2(x0, x1), mask_avx2(_mm256_cmpeq_epi8(x0, space), _mm256_cmpeq_epi8(x1, space)),
          mask_avx2(_mm256_cmpeq_epi8(x0, a1), _mm256_cmpeq_epi8(x1, a1)), mask_avx2(digits_avx2(x0), digits_avx2(x1))};
}

}  // namespace

Counts counts_sse2(std::string_view text) { return count_blocks(text, classify_sse2); }

[[gnu::target("avx2,popcnt")]] Counts counts_avx2(std::string_view text) {
  return count_blocks(text, [](const unsigned char* block) __attribute__((target("avx2,popcnt"))) { return classify_avx2(block); });
}

bool cpu_has_avx2() {
  static const bool has_avx2 = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
  }();
  return has_avx2;
}

}  // namespace host::space_count
