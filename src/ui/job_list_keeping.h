#pragma once
// The job list kept in its file: loaded at start-up and written after every
// user action that changed it, so that no change waits for the end.

#include <string>

#include "ui/app.h"

namespace qv {

// Start-up: the file's lines become the job list. A damaged file is moved
// aside and the list starts empty; what happened is returned to be told,
// else "".
std::string LoadJobList(App& app);

// After the events of a user action: writes the list when it changed. A
// failed write is told once, until a later write succeeds.
void KeepJobList(App& app);

// True when the file holds the list as it is, written now if need be.
bool JobListKept(App& app);

}  // namespace qv
