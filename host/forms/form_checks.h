// Compile-time checks of a form table: the slips that would otherwise show
// only as a unit the program cannot find or a menu that does not open.
#pragma once

#include <cstddef>

#include "host/forms/forms.h"
#include "host/forms/shortcuts.h"

namespace host::form_checks {

constexpr bool event_fits_type(int event, UnitTypeId type) {
  if (event >= event::kWheel && event <= event::kLeftButtonDown) return true;
  if (type == unit_type::kWindow) return event >= event::kCreated && event <= event::kHidden;
  // Every other type raises its one event 0 (clicked, tick, colour changed,
  // content changed) except the common dialog, which raises none.
  return event == 0 && type != unit_type::kCommonDlg;
}

constexpr bool unit_is_well_formed(const UnitDefinition& unit) {
  for (std::size_t i = 0; i < unit.events.size(); ++i) {
    if (!event_fits_type(unit.events[i].event, unit.type())) return false;
    for (std::size_t j = 0; j < i; ++j)
      if (unit.events[j].event == unit.events[i].event) return false;  // one handler per event
  }
  return true;
}

constexpr bool menu_is_well_formed(std::span<const MenuItemDefinition> menu) {
  int previous_level = -1;
  for (const MenuItemDefinition& item : menu) {
    if (id_family(item.id) != kMenuItemFamily) return false;
    if (item.level < 0 || item.level > previous_level + 1) return false;  // no skipped level
    if (item.shortcut < 0 || item.shortcut > kShortcutCount) return false;
    if (item.caption.empty()) return false;
    previous_level = item.level;
  }
  return true;
}

constexpr bool ids_are_unique(const FormDefinition& form) {
  std::size_t count = 1 + form.controls.size() + form.menu.size();
  auto id_at = [&](std::size_t i) {
    if (i == 0) return form.window.id;
    if (i <= form.controls.size()) return form.controls[i - 1].id;
    return form.menu[i - 1 - form.controls.size()].id;
  };
  for (std::size_t i = 0; i < count; ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (id_at(i) == id_at(j)) return false;
  return true;
}

constexpr bool form_is_well_formed(const FormDefinition& form) {
  if (id_family(form.id) != kFormFamily) return false;
  if (id_family(form.window.id) != kWindowFamily || form.window.type() != unit_type::kWindow) return false;
  if (!unit_is_well_formed(form.window)) return false;
  for (const UnitDefinition& control : form.controls) {
    if (id_family(control.id) != kControlFamily || control.type() == unit_type::kWindow) return false;
    if (control.name.empty() || !unit_is_well_formed(control)) return false;
  }
  return menu_is_well_formed(form.menu) && ids_are_unique(form);
}

}  // namespace host::form_checks
