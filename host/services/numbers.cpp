#include "host/services/numbers.h"

#include <climits>
#include <cmath>

namespace host {

double absolute_value(double value) { return std::fabs(value); }

std::int32_t bitwise_or(std::initializer_list<std::int32_t> values) {
  std::int32_t result = 0;
  for (std::int32_t value : values) result |= value;
  return result;
}

// The shift works on the unsigned bits, so a negative value or a bit shifted
// into the sign is well defined; a negative count counts from 32 (-1 is 31).
std::int32_t shift_left(std::int32_t value, std::int32_t count) {
  const auto bits = static_cast<std::uint32_t>(value) << (static_cast<std::uint32_t>(count) & 31u);
  return static_cast<std::int32_t>(bits);
}

std::int32_t byte_array_length(const Bytes& bytes) {
  return bytes.size() > INT_MAX ? INT_MAX : static_cast<std::int32_t>(bytes.size());
}

Bytes zero_byte_array(std::int32_t n) { return n <= 0 ? Bytes() : Bytes(static_cast<std::size_t>(n), 0); }

}  // namespace host
