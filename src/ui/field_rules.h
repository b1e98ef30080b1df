#pragma once
// What a settings field does by itself when it changes: keep within its
// bounds on the form, then update the controls it drives.

#include "form/form.h"

namespace qv {

// The field's on-form limit from the settings table (integer bounds, the
// rate value's bounds by mode, or a decimal fraction); nothing for a control
// without one.
void ApplyFormLimit(Form& form, ControlId field);

// ApplyFormLimit, then the one-to-one rules that the control drives.
void ApplyFieldRules(Form& form, ControlId control);

}  // namespace qv
