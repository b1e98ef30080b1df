#pragma once
// Keeping settings within the bounds of the settings table: the form's
// bounds while a field is edited, the load's after a config is read.

#include "form/form.h"

namespace qv {

// The on-form limit of the setting that `control` holds; nothing for a
// control without one.
void ApplyFormLimit(Form& form, ControlId control);

// True when the setting that `control` holds has an on-form limit.
bool HasFormLimit(ControlId control);

// The on-load limit of every setting, in table order.
void ApplyLoadLimits(Form& form);

}  // namespace qv
