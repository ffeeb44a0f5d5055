// A fresh program folder for one test: the program under test is copied into
// it and keeps its settings file there, so nothing leaks between tests. The
// folder and everything in it is removed when the Folder goes.
#pragma once

#include "support/temp_folder.h"

namespace e2e {

using Folder = test_support::TempFolder;

}  // namespace e2e
