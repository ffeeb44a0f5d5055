// The services that work on the program's windows and controls, addressed as
// units of loaded forms.
#pragma once

#include <cstdint>
#include <optional>

#include "host/forms/handlers.h"
#include "host/forms/ids.h"
#include "host/services/value.h"

namespace host {

class Runtime;

// The unit's window handle; 0 for a unit without a window (a timer, a common
// dialog).
std::uintptr_t window_handle_of_unit(Runtime& runtime, const UnitRef& unit);

// Loads the window's form (see Runtime::load_form); false when the form cannot
// be made or the parent unit is not loaded.
bool load_window(Runtime& runtime, const UnitRef& window, const std::optional<UnitRef>& parent, bool modal);

// A window is destroyed once the running handler has returned; a control at
// once. A unit that is not loaded (destroyed before) is left alone.
void destroy_unit(Runtime& runtime, const UnitRef& unit);

void set_focus(Runtime& runtime, const UnitRef& unit);

// Opens the colour picker unit's palette; returns at once.
void open_colour_picker(Runtime& runtime, const UnitRef& picker);

// Caret to the end, scrolled into view, then the text inserted there.
void append_text(Runtime& runtime, const UnitRef& edit_box, const Text& text);

// The unit's form window takes files dropped on it from now on
// (LiveForm::accept_dropped_files).
void accept_dropped_files(Runtime& runtime, const UnitRef& window, DropHandler dropped);

// The face the unit's font resolves to on this system: the one the system
// draws it with, which for a face it lacks is another.
Text resolved_font_face(Runtime& runtime, const UnitRef& unit);

// The edit box's change count (EditBoxUnit::changes); 0 when it is not loaded.
std::uint64_t edit_changes(Runtime& runtime, const UnitRef& edit_box);

// The extended style becomes exactly the layered style with the constant
// alpha; alpha outside 0-255 counts as 255.
void set_window_transparency(std::uintptr_t window, int alpha);

}  // namespace host
