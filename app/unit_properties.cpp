#include "app/unit_properties.h"

#include <utility>
#include <variant>

#include "host/services/convert.h"

namespace app {

host::Text UnitProperties::text(const host::UnitRef& unit, int index, int array_index) {
  host::Value value = host_.read_property(unit.form, unit.unit, index, array_index);
  // A text is handed on as it is: the document is megabytes, and copying it
  // would cost a fifth of reading it out of the edit box.
  if (host::Text* text = std::get_if<host::Text>(&value)) return std::move(*text);
  return host::to_text(value);
}

std::int32_t UnitProperties::integer(const host::UnitRef& unit, int index, int array_index) {
  return host::to_integer(host_.read_property(unit.form, unit.unit, index, array_index));
}

void UnitProperties::set(const host::UnitRef& unit, int index, host::Value value) {
  set(unit, index, -1, std::move(value));
}

void UnitProperties::set(const host::UnitRef& unit, int index, int array_index, host::Value value) {
  host_.write_property(unit.form, unit.unit, index, array_index, std::move(value));
}

}  // namespace app
