#pragma once
// The program's start and end around the event loop.

#include <string>

#include "ui/app.h"

namespace qv {

// Start-up after the window is built: working folders, the calculator
// library, the lists, the state file (or the built-in defaults). Ends with
// the queue worked off, so the window opens on a settled form. A refused
// state file is kept aside under the name `path` + ".refused", so that the
// end does not write over it; what happened is returned to be told, else "".
std::string StartUp(App& app);

// The end: saves the state file in the program folder. False when it could
// not be written.
bool ShutDown(App& app);

}  // namespace qv
