#include "host/forms/font_fields.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "host/forms/ids.h"
#include "host/services/convert.h"

namespace host {
namespace {

constexpr std::int64_t kPointsPerInch = 72;
constexpr std::int32_t kFullCircle = 3600;

// Rounds the non-negative quotient to the nearest integer, saturating at the
// int's top: a size from the settings file can be any int, and a larger
// quotient would wrap to a negative number (whose negation overflows).
std::int32_t rounded_quotient(std::int64_t numerator, std::int64_t denominator) {
  return static_cast<std::int32_t>(std::min<std::int64_t>((numerator + denominator / 2) / denominator, INT32_MAX));
}

Text valid_face(Text face) {
  if (face.empty() || face.size() > kMaxFontFaceBytes) return Text(kDefaultFontFace);
  return face;
}

}  // namespace

FontFields font_fields_of(const FontDefinition& definition) {
  return {definition.height,    definition.width,     definition.angle,
          definition.weight,    definition.italic,    definition.underline,
          definition.strike_out, valid_face(Text(definition.face))};
}

std::int32_t font_height_of_size(std::int32_t size, int dpi) {
  if (dpi <= 0) return 0;
  return -rounded_quotient(std::llabs(static_cast<std::int64_t>(size)) * dpi, kPointsPerInch);
}

std::int32_t font_size_of_height(std::int32_t height, int dpi) {
  if (dpi <= 0) return 0;
  return rounded_quotient(std::llabs(static_cast<std::int64_t>(height)) * kPointsPerInch, dpi);
}

bool is_font_field(int array_index) {
  return array_index >= prop::font::kAngle && array_index <= prop::font::kFace;
}

void write_font_field(FontFields& font, int array_index, const Value& value, int dpi) {
  switch (array_index) {
    case prop::font::kAngle: font.angle = to_integer(value) % kFullCircle; break;
    case prop::font::kBold: font.weight = to_integer(value) != 0 ? kWeightBold : 0; break;
    case prop::font::kItalic: font.italic = to_integer(value) != 0; break;
    case prop::font::kUnderline: font.underline = to_integer(value) != 0; break;
    case prop::font::kStrikeOut: font.strike_out = to_integer(value) != 0; break;
    case prop::font::kSize: font.height = font_height_of_size(to_integer(value), dpi); break;
    case prop::font::kFace: font.face = valid_face(to_text(value)); break;
    default: break;
  }
}

Value read_font_field(const FontFields& font, int array_index, int dpi) {
  switch (array_index) {
    case prop::font::kAngle: return font.angle;
    case prop::font::kBold: return font.weight >= kWeightBold;
    case prop::font::kItalic: return font.italic;
    case prop::font::kUnderline: return font.underline;
    case prop::font::kStrikeOut: return font.strike_out;
    case prop::font::kSize: return font_size_of_height(font.height, dpi);
    case prop::font::kFace: return font.face;
    default: return Value{};
  }
}

}  // namespace host
