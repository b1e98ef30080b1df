#pragma once
// The program's start and end around the event loop.

#include <string>
#include <vector>

#include "ui/app.h"

namespace qv {

// What start-up does with a state file that it refuses: keeps it aside so
// that the end does not write over it, or leaves it (a run that stops there).
enum class RefusedState { KeepAside, Leave };

// Start-up after the window is built: working folders, the calculator
// library, the lists, the state file (or the built-in defaults), the job
// list. Ends with the queue worked off, so the window opens on a settled
// form. A refused state file is kept aside under the first free name of
// `path` + ".refused", ".refused-2", ... (never over an earlier one); what
// happened to it and to the job list's file is returned to be told, else "".
std::string StartUp(App& app, RefusedState refused = RefusedState::KeepAside);

// The end: saves the state file in the program folder, and the job list when
// its file is behind. The files that could not be written.
std::vector<std::string> ShutDown(App& app);

// The close box and "Cancel": while a queue runs, the question whether to
// stop it or let it run on unwatched; then ShutDown, and when a file could
// not be written, the question whether to close anyway. True when the
// program ends.
bool MayClose(App& app);

}  // namespace qv
