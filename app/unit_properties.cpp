#include "app/unit_properties.h"

#include "host/services/convert.h"

namespace app {

host::Text UnitProperties::text(const host::UnitRef& unit, int index, int array_index) {
  return host::to_text(host_.read_property(unit.form, unit.unit, index, array_index));
}

std::int32_t UnitProperties::integer(const host::UnitRef& unit, int index, int array_index) {
  return host::to_integer(host_.read_property(unit.form, unit.unit, index, array_index));
}

void UnitProperties::set(const host::UnitRef& unit, int index, const host::Value& value) {
  set(unit, index, -1, value);
}

void UnitProperties::set(const host::UnitRef& unit, int index, int array_index, const host::Value& value) {
  host_.write_property(unit.form, unit.unit, index, array_index, value);
}

}  // namespace app
