// What kind of value each property of each unit type holds, and how a written
// value is turned into that kind.
#pragma once

#include <optional>

#include "host/forms/ids.h"
#include "host/services/value.h"

namespace host {

enum class PropertyKind {
  Int,
  Bool,
  String,
  Choice,  // an int from a fixed list
  Colour,  // 0x00BBGGRR, or kDefaultColour
  Font,    // addressed by sub-field (font_fields.h)
  Blob,    // picture, icon, sound
  Cursor,  // 0 is the default cursor
  Binding,
};

// The number of properties a unit type has (indices 0 .. count - 1).
int property_count(UnitTypeId type);

// The kind of a property, or none when the type has no such index.
std::optional<PropertyKind> property_kind(UnitTypeId type, int index);

// The value as the property stores it: int kinds hold std::int32_t, Bool a
// bool, String and Binding a Text, Blob the bytes. Any non-zero value is true;
// a negative choice becomes 0; ints and colours are taken as given; texts and
// blobs are copied.
Value converted_to_kind(PropertyKind kind, const Value& value);

// The stored value read as an int, a bool or a text.
std::int32_t int_of(const Value& stored);
bool bool_of(const Value& stored);
const Text& text_of(const Value& stored);

}  // namespace host
