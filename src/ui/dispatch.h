#pragma once
// Which operation each control event starts, and the loop that works off
// the queued events.

#include "ui/app.h"

namespace qv {

// Runs the handler of one control event; events of controls without a
// handler are ignored.
void Dispatch(App& app, const FormEvent& event);

// Dispatches queued events until none is left (handlers may queue more) or
// "Cancel" has set quit; events after it stay unhandled, as the window is
// closing. Then the job list's file catches up with the list.
void RunPendingEvents(App& app);

}  // namespace qv
