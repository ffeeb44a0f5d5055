// The values that the host's services take and return. A text is a std::string
// of GBK bytes (the empty string stands for "no text"); a byte array is a byte
// vector; an array is a set of dimension sizes with its members. Every value is
// owned by whoever holds it, so nothing is ever released by hand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace host {

// Data-type ids by which the host tells values apart; 0 marks an omitted
// optional argument.
enum class DataType : std::uint32_t {
  Omitted = 0,
  Byte = 0x80000101,
  Short = 0x80000201,
  Int = 0x80000301,
  Int64 = 0x80000401,
  Float = 0x80000501,
  Double = 0x80000601,
  Bool = 0x80000002,
  DateTime = 0x80000003,
  Text = 0x80000004,
  ByteArray = 0x80000005,
  SubroutineAddress = 0x80000006,
};

// Declared after DataType, whose Text enumerator would otherwise be taken for
// a shadowing declaration by GCC 12.
using Text = std::string;
using Bytes = std::vector<std::uint8_t>;

// Added to a numeric data-type id to mark an array of that kind.
inline constexpr std::uint32_t kArrayFlag = 0x20000000;

// Days since 1899-12-30 00:00, the time of day as the fraction.
struct DateTime {
  double days = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

struct SubroutineAddress {
  std::uint32_t address = 0;
  friend bool operator==(const SubroutineAddress&, const SubroutineAddress&) = default;
};

struct Omitted {
  friend bool operator==(const Omitted&, const Omitted&) = default;
};

using Value = std::variant<Omitted, std::uint8_t, std::int16_t, std::int32_t, std::int64_t, float, double, bool,
                           DateTime, Text, Bytes, SubroutineAddress>;

DataType data_type_of(const Value& value);

// An array block: one size per dimension, then the members in order.
template <class T>
struct Array {
  std::vector<std::uint32_t> sizes;
  std::vector<T> members;

  static Array one_dimensional(std::vector<T> items) {
    Array array;
    array.sizes = {static_cast<std::uint32_t>(items.size())};
    array.members = std::move(items);
    return array;
  }

  // The product of the dimension sizes; 0 when there is no dimension.
  std::size_t member_count() const {
    if (sizes.empty()) return 0;
    std::size_t count = 1;
    for (std::uint32_t size : sizes) count *= size;
    return count;
  }

  friend bool operator==(const Array&, const Array&) = default;
};

}  // namespace host
