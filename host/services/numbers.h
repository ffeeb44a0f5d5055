// Number and memory services.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "host/services/value.h"

namespace host {

double absolute_value(double value);

// OR of all arguments (two or more).
std::int32_t bitwise_or(std::initializer_list<std::int32_t> values);

// value shifted left by count mod 32.
std::int32_t shift_left(std::int32_t value, std::int32_t count);

std::int32_t byte_array_length(const Bytes& bytes);

// n zero bytes; n <= 0 gives the empty array.
Bytes zero_byte_array(std::int32_t n);

template <class T>
std::int32_t member_count(const Array<T>& array) {
  return static_cast<std::int32_t>(array.member_count());
}

}  // namespace host
