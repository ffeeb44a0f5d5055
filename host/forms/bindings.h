// Which handler slot an event of a unit runs, as the forms bind them.
#pragma once

#include <optional>
#include <span>

#include "host/forms/forms.h"

namespace host {

// The slot bound to the event of the unit (the window, a control, or a menu
// item's event 0), or none.
std::optional<HandlerId> bound_handler(const FormDefinition& form, UnitId unit, int event);

// The first slot that one of the forms binds while the table holds no
// procedure for it.
std::optional<HandlerId> first_unfilled_slot(std::span<const FormDefinition* const> forms,
                                             const HandlerTable& handlers);

}  // namespace host
