// The block-wise counters behind space_free_length, one per instruction set,
// declared here so that the tests can check each one on any machine.
#pragma once

#include <cstddef>
#include <string_view>

namespace host::space_count {

struct Counts {
  // How many bytes remove_all_spaces would drop from the text.
  std::size_t removed = 0;
  // How many digits (30-39) are second bytes of a lead byte (>= 0x80): in
  // a valid text, the second and fourth bytes of four-byte characters.
  std::size_t digit_trails = 0;
};

Counts counts_sse2(std::string_view text);

// The same with 32-byte vectors; call it only when cpu_has_avx2() is true.
Counts counts_avx2(std::string_view text);

bool cpu_has_avx2();

}  // namespace host::space_count
