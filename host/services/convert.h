// Conversions between the value kinds: to text, to integer, to number and to
// byte array.
#pragma once

#include <string_view>

#include "host/services/value.h"

namespace host {

// byte "%u"; short and int "%d"; int64 decimal; float "%.6g"; double "%.13g";
// bool "真"/"假"; date-time as 年月日时分秒 (see date_time.h); text a copy; byte
// array its bytes up to the first zero byte; anything else empty.
Text to_text(const Value& value);

// Text: full-width characters folded, then leading blanks, an optional sign and
// decimal digits up to the first non-digit (0 when none). Float and double are
// truncated toward zero, int64 keeps its low 32 bits, date-time and byte arrays
// give 0. Numbers beyond the int range saturate at its ends; not-a-number
// gives 0.
std::int32_t to_integer(const Value& value);

// Text: full-width characters folded, then read as a decimal floating-point
// number (0 when none; no hexadecimal, "inf" or "nan"). Numeric kinds and bool
// give their value, others 0. Neither formatting nor reading depends on the
// process locale.
double to_number(const Value& value);

// Folds GBK full-width characters to half-width: A3 xx becomes xx - 0x80 for
// xx from A1 to FE (the printable ASCII range), A1 A1 a space, A1 AB a tilde,
// A1 EE and A1 EF an asterisk.
Text fold_full_width(std::string_view text);

// Text: its bytes; numbers little-endian at their width (byte 1, short 2, int,
// bool, float and subroutine address 4, int64, double and date-time 8); byte
// array a copy. Empty for anything else.
Bytes to_byte_array(const Value& value);

// All members' bytes in order, for a one-dimensional array of a numeric kind.
template <class Number>
Bytes to_byte_array(const Array<Number>& array);

}  // namespace host
