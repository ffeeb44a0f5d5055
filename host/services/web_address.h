// Opening an address (a web page, or any file the shell knows how to open)
// with its default handler.
#pragma once

#include "host/services/value.h"

namespace host {

// Asks the shell to open the address in a normal window; nothing for an empty
// address, and nothing is reported when no handler starts.
void open_web_address(const Text& address);

}  // namespace host
