#include "host/unit_services/common_dialog_win.h"

#include "host/dispatch/live_form_win.h"
#include "host/dispatch/runtime_win.h"

namespace host {

bool open_common_dialog(Runtime& runtime, const UnitRef& dialog) {
  Unit& unit = runtime.unit_or_fatal(dialog);
  // The dialog is modal to the window holding the unit.
  HWND owner = runtime.loaded_form(dialog.form)->window();
  switch (unit.properties().get_int(prop::dialog::kDialogKind)) {
    case prop::dialog::kKindOpen: return run_file_dialog(unit, owner, false);
    case prop::dialog::kKindSave: return run_file_dialog(unit, owner, true);
    case prop::dialog::kKindFont: return run_font_dialog(unit, owner);
    default: return false;  // help: nothing to show
  }
}

}  // namespace host
