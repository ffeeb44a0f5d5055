#include "host/services/convert.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <iterator>
#include <string>

#include "host/services/date_time.h"

// Numbers are formatted and read with <charconv>, which never looks at the
// process locale: a decimal comma setting cannot change what the program
// writes into its settings file or how it reads it back.

namespace host {
namespace {

constexpr const char* kTrue = "真";
constexpr const char* kFalse = "假";

template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang 14, the fuzz tree).
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// printf's "%.<precision>g" in the "C" locale.
Text general_text(double value, int precision) {
  char buffer[64];
  const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::general, precision);
  return Text(std::begin(buffer), result.ptr);
}

bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::size_t skip_blanks(std::string_view text, std::size_t i) {
  while (i < text.size() && is_blank(text[i])) ++i;
  return i;
}

std::size_t skip_digits(std::string_view text, std::size_t i) {
  while (i < text.size() && is_digit(text[i])) ++i;
  return i;
}

// Leading blanks, an optional sign, then decimal digits up to the first
// non-digit. Numbers beyond the int range saturate at its ends, as strtol does.
std::int32_t read_integer(std::string_view text) {
  std::size_t i = skip_blanks(text, 0);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr long long kLimit = 1LL << 31;
  long long magnitude = 0;
  for (; i < text.size() && is_digit(text[i]); ++i) magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit);
  const long long value = negative ? -magnitude : magnitude;
  return static_cast<std::int32_t>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Toward zero; values beyond the int range saturate and not-a-number gives 0,
// where a plain cast would be undefined.
std::int32_t truncate_to_int(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0) return INT_MAX;
  if (value <= -2147483649.0) return INT_MIN;
  return static_cast<std::int32_t>(value);
}

// Whether a decimal number that does not fit a double is too large (rather
// than too small): its first significant digit's place plus the exponent.
bool is_too_large(std::string_view mantissa, long long exponent) {
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_not_of("0.");
  if (first == std::string_view::npos) return false;
  const long long place = first < point ? static_cast<long long>(point - first) : -static_cast<long long>(first - point - 1);
  return place + exponent > 0;
}

// Leading blanks, an optional sign, digits with an optional decimal point and
// an optional exponent: the decimal forms strtod reads (no hexadecimal, no
// "inf" or "nan"). Too large gives infinity and too small zero, as strtod.
double read_decimal(std::string_view text) {
  std::size_t i = skip_blanks(text, 0);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t start = i;
  i = skip_digits(text, i);
  bool has_digits = i > start;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction = i + 1;
    i = skip_digits(text, fraction);
    has_digits = has_digits || i > fraction;
  }
  if (!has_digits) return 0;
  const std::size_t mantissa_end = i;
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    const bool negative_exponent = j < text.size() && text[j] == '-';
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && is_digit(text[j])) {
      for (i = j; i < text.size() && is_digit(text[i]); ++i) exponent = std::min(exponent * 10 + (text[i] - '0'), 1LL << 40);
      if (negative_exponent) exponent = -exponent;
    }
  }
  double value = 0;
  const auto result = std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    value = is_too_large(text.substr(start, mantissa_end - start), exponent) ? HUGE_VAL : 0.0;
  }
  return negative ? -value : value;
}

template <std::size_t Size>
struct UnsignedOfSize;
template <>
struct UnsignedOfSize<1> {
  using Type = std::uint8_t;
};
template <>
struct UnsignedOfSize<2> {
  using Type = std::uint16_t;
};
template <>
struct UnsignedOfSize<4> {
  using Type = std::uint32_t;
};
template <>
struct UnsignedOfSize<8> {
  using Type = std::uint64_t;
};

template <class T>
void append_little_endian(Bytes& bytes, T value) {
  const auto bits = std::bit_cast<typename UnsignedOfSize<sizeof(T)>::Type>(value);
  for (std::size_t i = 0; i < sizeof(T); ++i) bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

template <class T>
Bytes little_endian(T value) {
  Bytes bytes;
  append_little_endian(bytes, value);
  return bytes;
}

}  // namespace

Text to_text(const Value& value) {
  return std::visit(
      Overloaded{
          [](Omitted) { return Text(); },
          [](std::uint8_t v) { return std::to_string(unsigned{v}); },
          [](std::int16_t v) { return std::to_string(int{v}); },
          [](std::int32_t v) { return std::to_string(v); },
          [](std::int64_t v) { return std::to_string(static_cast<long long>(v)); },
          [](float v) { return general_text(v, 6); },
          [](double v) { return general_text(v, 13); },
          [](bool v) { return Text(v ? kTrue : kFalse); },
          [](DateTime v) { return date_time_to_text(v); },
          [](const Text& v) { return v; },
          [](const Bytes& v) { return Text(v.begin(), std::find(v.begin(), v.end(), 0)); },
          [](SubroutineAddress) { return Text(); },
      },
      value);
}

std::int32_t to_integer(const Value& value) {
  return std::visit(Overloaded{
                        [](Omitted) { return std::int32_t{0}; },
                        [](std::uint8_t v) { return std::int32_t{v}; },
                        [](std::int16_t v) { return std::int32_t{v}; },
                        [](std::int32_t v) { return v; },
                        [](std::int64_t v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(v)); },
                        [](float v) { return truncate_to_int(v); },
                        [](double v) { return truncate_to_int(v); },
                        [](bool v) { return std::int32_t{v ? 1 : 0}; },
                        [](DateTime) { return std::int32_t{0}; },
                        [](const Text& v) { return read_integer(fold_full_width(v)); },
                        [](const Bytes&) { return std::int32_t{0}; },
                        [](SubroutineAddress v) { return static_cast<std::int32_t>(v.address); },
                    },
                    value);
}

double to_number(const Value& value) {
  return std::visit(Overloaded{
                        [](Omitted) { return 0.0; },
                        [](std::uint8_t v) { return static_cast<double>(v); },
                        [](std::int16_t v) { return static_cast<double>(v); },
                        [](std::int32_t v) { return static_cast<double>(v); },
                        [](std::int64_t v) { return static_cast<double>(v); },
                        [](float v) { return static_cast<double>(v); },
                        [](double v) { return v; },
                        [](bool v) { return v ? 1.0 : 0.0; },
                        [](DateTime) { return 0.0; },
                        [](const Text& v) { return read_decimal(fold_full_width(v)); },
                        [](const Bytes&) { return 0.0; },
                        [](SubroutineAddress) { return 0.0; },
                    },
                    value);
}

// Only the full-width forms of printable ASCII (A3 A1 to A3 FE) fold from the
// A3 row: the rest of that row would give control or zero bytes.
Text fold_full_width(std::string_view text) {
  Text folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80 || i + 1 == text.size()) {
      folded.push_back(text[i++]);
      continue;
    }
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded.push_back(static_cast<char>(trail - 0x80));
    } else if (lead == 0xA1 && trail == 0xA1) {
      folded.push_back(' ');
    } else if (lead == 0xA1 && trail == 0xAB) {
      folded.push_back('~');
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      folded.push_back('*');
    } else {
      folded.append(text.substr(i, 2));
    }
    i += 2;
  }
  return folded;
}

Bytes to_byte_array(const Value& value) {
  return std::visit(Overloaded{
                        [](Omitted) { return Bytes(); },
                        [](const Text& v) { return Bytes(v.begin(), v.end()); },
                        [](const Bytes& v) { return v; },
                        [](bool v) { return little_endian(std::int32_t{v ? 1 : 0}); },
                        [](DateTime v) { return little_endian(v.days); },
                        [](SubroutineAddress v) { return little_endian(v.address); },
                        [](auto number) { return little_endian(number); },
                    },
                    value);
}

template <class Number>
Bytes to_byte_array(const Array<Number>& array) {
  Bytes bytes;
  bytes.reserve(array.members.size() * sizeof(Number));
  for (Number member : array.members) append_little_endian(bytes, member);
  return bytes;
}

template Bytes to_byte_array(const Array<std::uint8_t>&);
template Bytes to_byte_array(const Array<std::int16_t>&);
template Bytes to_byte_array(const Array<std::int32_t>&);
template Bytes to_byte_array(const Array<std::int64_t>&);
template Bytes to_byte_array(const Array<float>&);
template Bytes to_byte_array(const Array<double>&);

}  // namespace host
