// Reading and writing unit properties by (form, unit, index, array index).
#include <utility>

#include "host/dispatch/fatal_errors.h"
#include "host/dispatch/live_form_win.h"
#include "host/dispatch/runtime_win.h"
#include "host/forms/font_fields.h"
#include "host/forms/property_values.h"

namespace host {
namespace {

bool is_menu_item(UnitId unit) { return id_family(unit) == kMenuItemFamily; }

// Whether the unit type has the property, and the sub-field names a font field
// when the property is a font.
bool addresses_property(UnitTypeId type, int index, int array_index) {
  const std::optional<PropertyKind> kind = property_kind(type, index);
  if (!kind) return false;
  return *kind != PropertyKind::Font || is_font_field(array_index);
}

}  // namespace

Value Runtime::read_property(FormId form_id, UnitId unit_id, int index, int array_index) {
  LiveForm* form = loaded_form(form_id);
  if (!form) fatal_error(fatal::kFormNotLoaded);
  if (is_menu_item(unit_id)) {
    if (!form->menu_bar().has_item(unit_id)) fatal_error(fatal::kWindowGone);
    if (!addresses_property(unit_type::kMenu, index, array_index)) fatal_error(fatal::kNoSuchProperty);
    return form->menu_bar().read(unit_id, index);
  }
  const Unit* unit = form->find_unit(unit_id);
  if (!unit) fatal_error(fatal::kWindowGone);
  if (!addresses_property(unit->type(), index, array_index)) fatal_error(fatal::kNoSuchProperty);
  return unit->read(index, array_index);
}

void Runtime::write_property(FormId form_id, UnitId unit_id, int index, int array_index, Value value) {
  LiveForm* form = loaded_form(form_id);
  if (!form) fatal_error(fatal::kFormNotLoaded);
  if (is_menu_item(unit_id)) {
    if (!form->menu_bar().has_item(unit_id)) fatal_error(fatal::kWindowGone);
    if (!addresses_property(unit_type::kMenu, index, array_index)) fatal_error(fatal::kNoSuchProperty);
    form->menu_bar().write(unit_id, index, value);
    return;
  }
  Unit* unit = form->find_unit(unit_id);
  if (!unit) fatal_error(fatal::kWindowGone);
  if (!addresses_property(unit->type(), index, array_index)) fatal_error(fatal::kNoSuchProperty);
  if (unit == &form->window_unit()) {
    // Showing and the topmost band involve the other forms.
    if (index == prop::kVisible) {
      set_form_visible(*form, bool_of(converted_to_kind(PropertyKind::Bool, value)));
      return;
    }
    if (index == prop::window::kAlwaysOnTop) {
      unit->write(index, array_index, std::move(value));
      set_always_on_top(*form, unit->properties().get_bool(index));
      return;
    }
  }
  unit->write(index, array_index, std::move(value));
}

}  // namespace host
