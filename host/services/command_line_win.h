// The document the program was started with: "Open with" in Explorer, or a
// file name typed after the program's.
#pragma once

#include "host/services/value.h"

namespace host {

// The full path of the first argument, resolved against the current
// directory, or empty when there is none. Called before the runtime makes
// the program's own folder the current directory, so that a relative name
// means what it meant where the program was started.
Text command_line_document();

}  // namespace host
