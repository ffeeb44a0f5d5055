// A unit's font and the rules for reading and writing it one sub-field at a
// time (array index with the Font property).
#pragma once

#include <cstdint>

#include "host/forms/forms.h"
#include "host/services/value.h"

namespace host {

struct FontFields {
  std::int32_t height = 0;  // negative: character height in pixels
  std::int32_t width = 0;
  std::int32_t angle = 0;  // tenths of a degree
  std::int32_t weight = 0;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  Text face;  // GBK, 1-31 bytes
  friend bool operator==(const FontFields&, const FontFields&) = default;
};

FontFields font_fields_of(const FontDefinition& definition);

// The face every font falls back to.
inline constexpr std::string_view kDefaultFontFace = "宋体";
inline constexpr std::size_t kMaxFontFaceBytes = 31;
inline constexpr int kWeightBold = 700;

// Size in points <-> character height in pixels through the vertical DPI:
// height = -round(|size| * dpi / 72), so -18 and 18 give the same height.
std::int32_t font_height_of_size(std::int32_t size, int dpi);
std::int32_t font_size_of_height(std::int32_t height, int dpi);

bool is_font_field(int array_index);

// Sub-field 0 angle (taken modulo 3600), 1 bold (weight 700 or 0), 2 italic,
// 3 underline, 4 strike-out, 5 size in points, 6 face (1-31 bytes, anything
// else becomes 宋体). Only the named field changes.
void write_font_field(FontFields& font, int array_index, const Value& value, int dpi);
Value read_font_field(const FontFields& font, int array_index, int dpi);

}  // namespace host
