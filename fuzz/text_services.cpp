// Splitting, space removal, left and right parts and comparison over
// arbitrary bytes, with the properties every result must have.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "host/services/text.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

int sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const std::uint8_t options = input.byte();
  const std::string_view a = input.text();
  const std::string_view b = input.text();

  // The fast count agrees with the text it counts.
  const std::string without_spaces = host::remove_all_spaces(a);
  check(host::space_free_length(a) == without_spaces.size());
  check(without_spaces.size() <= a.size());
  check(host::remove_all_spaces(without_spaces) == without_spaces);

  // Split members never hold more bytes than the text.
  const auto maximum = (options & 1) ? std::optional<int>(static_cast<std::int8_t>(options) >> 1) : std::nullopt;
  const auto delimiter = (options & 2) ? std::optional<std::string_view>(b) : std::nullopt;
  const auto parts = host::split_text(a, delimiter, maximum);
  check(parts.member_count() == parts.members.size());
  std::size_t total = 0;
  for (const auto& member : parts.members) total += member.size();
  check(total <= a.size());
  if (maximum && *maximum >= 0) check(parts.members.size() <= static_cast<std::size_t>(*maximum));

  // The bytes left and right of a selection, for any count the edit box may
  // give: a prefix or a suffix, never more than the text.
  const int count = static_cast<std::int8_t>(options) * 4;
  const std::size_t expected = count <= 0 ? 0 : std::min(a.size(), static_cast<std::size_t>(count));
  check(host::left_of_text(a, count) == a.substr(0, expected));
  check(host::right_of_text(a, count) == a.substr(a.size() - expected));
  check(host::length_of_text(a) == static_cast<int>(a.size()));

  // Comparison is an order: reflexive and antisymmetric.
  const bool case_sensitive = options & 4;
  check(host::compare_texts(a, a, case_sensitive) == 0);
  check(sign(host::compare_texts(a, b, case_sensitive)) == -sign(host::compare_texts(b, a, case_sensitive)));
  check(host::text_order(a, b) == -host::text_order(b, a));
  return 0;
}
