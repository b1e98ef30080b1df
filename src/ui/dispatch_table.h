#pragma once
// Which operation each control event starts: one row per control, page by
// page, with the event kinds that trigger it.

#include "form/form.h"
#include "ui/app.h"

namespace qv {

enum class Trigger : std::uint8_t {
  AnyEvent,    // every notification of the control
  TextChange,  // the field's text changed
  FocusLoss,   // the field lost the keyboard focus
};

using Handler = void (*)(App& app, ControlId control);

struct DispatchRow {
  ControlId control;
  Trigger trigger;
  Handler handler;
};

// The row of `control`, or nullptr when its events are ignored.
const DispatchRow* FindDispatchRow(ControlId control);

bool Triggers(Trigger trigger, EventKind kind);

}  // namespace qv
