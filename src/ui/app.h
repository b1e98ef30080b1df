#pragma once
// The program's state between events and the operations of its life:
// start-up, the dispatch of every control event, and the end.

#include "form/form.h"
#include "platform/platform.h"

namespace qv {

struct App {
  Form& form;
  const platform::Platform& platform;
  platform::Libraries::Handle calculator = nullptr;  // "rateplan.dll", may be absent
  bool quit = false;                                 // set by "Cancel"
};

// Start-up after the window is built: working folders, the calculator
// library, the lists, the state file (or the built-in defaults). Ends with
// the queue worked off, so the window opens on a settled form.
void StartUp(App& app);

// Runs the handler of one control event.
void Dispatch(App& app, const FormEvent& event);

// Dispatches queued events until none is left (handlers may queue more) or
// "Cancel" has set quit; events after it stay unhandled, as the window is
// closing.
void RunPendingEvents(App& app);

// The end: saves the state file in the program folder. False when it could
// not be written.
bool ShutDown(App& app);

}  // namespace qv
