// Text services. Texts are GBK bytes; lengths and positions are bytes (a
// double-byte character counts 2, CR LF counts 2). The end of the string plays
// the part of the terminating NUL.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "host/services/value.h"

namespace host {

int length_of_text(std::string_view text);

// The first min(n, length) bytes; n <= 0 gives the empty text. May split a
// double-byte character.
Text left_of_text(std::string_view text, int n);

// The last min(n, length) bytes; n <= 0 gives the empty text.
Text right_of_text(std::string_view text, int n);

// Drops every 0x20 byte and every full-width space (A1 A1), scanning double-byte
// aware; a lead byte that is the last byte of the text is dropped too.
Text remove_all_spaces(std::string_view text);

// The byte length remove_all_spaces would give, without building the text.
std::size_t space_free_length(std::string_view text);

// The length the statistics count in: space_free_length without the two
// digits of each four-byte character, so that a character GBK lacks weighs
// two bytes, like a Chinese character (a lead byte and a digit that are no
// whole character weigh one).
std::size_t counted_length(std::string_view text);

// Splits at every occurrence of the delimiter (default ","), with at most
// `maximum` members when one is given. See the implementation for the rules on
// empty and trailing pieces.
Array<Text> split_text(std::string_view text, std::optional<std::string_view> delimiter = std::nullopt,
                       std::optional<int> maximum = std::nullopt);

// n half-width spaces; n < 1 gives the empty text.
Text spaces(int n);

// Multi-byte aware comparison: -1, 0 or 1. Without case sensitivity ASCII
// letters compare as lower case; the second byte of a double-byte character is
// never folded.
int compare_texts(std::string_view a, std::string_view b, bool case_sensitive);

Text join_texts(std::initializer_list<std::string_view> parts);

// Byte-wise comparison as unsigned bytes: -1, 0 or 1.
int text_order(std::string_view a, std::string_view b);

}  // namespace host
