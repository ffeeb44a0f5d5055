// The common dialog unit's service: the open-file, save-file or font dialog of
// its DialogKind, modal to the unit's window, taking its settings from the
// unit's properties and storing the writer's choice back into them.
#pragma once

#include <windows.h>

#include "host/forms/ids.h"

namespace host {

class Runtime;
class Unit;

// True when the writer confirmed; a cancelled dialog, or the help kind,
// leaves every property as it was and gives false.
bool open_common_dialog(Runtime& runtime, const UnitRef& dialog);

// The open (save false) or save dialog; on confirmation FileName holds the
// chosen path.
bool run_file_dialog(Unit& dialog, HWND owner, bool save);
// The dialog's option flags from the unit's properties.
DWORD file_dialog_flags(const Unit& dialog, bool save);

// The font dialog; on confirmation FontName, FontSize, Bold, Italic,
// Underline, StrikeOut and FontColor hold the chosen font.
bool run_font_dialog(Unit& dialog, HWND owner);

}  // namespace host
