#include "host/forms/bindings.h"

namespace host {
namespace {

std::optional<HandlerId> bound_in(const UnitDefinition& unit, int event) {
  for (const EventBinding& binding : unit.events)
    if (binding.event == event) return binding.handler;
  return std::nullopt;
}

template <class Visit>
void for_each_bound_slot(const FormDefinition& form, Visit visit) {
  for (const EventBinding& binding : form.window.events) visit(binding.handler);
  for (const UnitDefinition& control : form.controls)
    for (const EventBinding& binding : control.events) visit(binding.handler);
  for (const MenuItemDefinition& item : form.menu)
    if (item.clicked) visit(*item.clicked);
}

}  // namespace

std::optional<HandlerId> bound_handler(const FormDefinition& form, UnitId unit, int event) {
  if (unit == form.window.id) return bound_in(form.window, event);
  for (const UnitDefinition& control : form.controls)
    if (control.id == unit) return bound_in(control, event);
  if (event == event::kClicked)
    for (const MenuItemDefinition& item : form.menu)
      if (item.id == unit) return item.clicked;
  return std::nullopt;
}

std::optional<HandlerId> first_unfilled_slot(std::span<const FormDefinition* const> forms,
                                             const HandlerTable& handlers) {
  std::optional<HandlerId> unfilled;
  for (const FormDefinition* form : forms)
    for_each_bound_slot(*form, [&](HandlerId slot) {
      if (!unfilled && !handlers[static_cast<std::size_t>(slot)]) unfilled = slot;
    });
  return unfilled;
}

}  // namespace host
