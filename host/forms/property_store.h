// The stored properties of one unit (a window or a control), addressed by
// property index, starting from the unit's definition. The live window may
// hold the current value of some of them (geometry, text); this store holds
// everything else and what was last written.
#pragma once

#include <vector>

#include "host/forms/font_fields.h"
#include "host/forms/forms.h"
#include "host/forms/property_values.h"

namespace host {

class PropertyStore {
 public:
  explicit PropertyStore(const UnitDefinition& definition);

  UnitTypeId type() const { return type_; }
  bool has(int index) const;
  PropertyKind kind(int index) const;

  const Value& get(int index) const;
  std::int32_t get_int(int index) const { return int_of(get(index)); }
  bool get_bool(int index) const { return bool_of(get(index)); }
  const Text& get_text(int index) const { return text_of(get(index)); }

  // Stores the value converted to the property's kind; true when it changed.
  bool set(int index, const Value& value);

  // The Font property (edit boxes), addressed by sub-field.
  const FontFields& font() const { return font_; }
  void set_font(const FontFields& font) { font_ = font; }

 private:
  UnitTypeId type_;
  std::vector<Value> values_;
  FontFields font_;
};

}  // namespace host
