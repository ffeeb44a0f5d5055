// The block-wise counters behind space_free_length, one per instruction set,
// declared here so that the tests can check each one on any machine.
#pragma once

#include <cstddef>
#include <string_view>

namespace host::space_count {

// How many bytes remove_all_spaces would drop from the text.
std::size_t removed_bytes_sse2(std::string_view text);

// The same with 32-byte vectors; call it only when cpu_has_avx2() is true.
std::size_t removed_bytes_avx2(std::string_view text);

bool cpu_has_avx2();

}  // namespace host::space_count
