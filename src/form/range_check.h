#pragma once
// Bringing a number field's text into its bounds.

#include "form/form.h"

namespace qv {

// Replaces the field's text by hi or lo in decimal when its leading integer
// lies outside lo..hi; any other text stays exactly as typed. Writing the text
// queues a text-changed event, as any write does.
void RangeCheck(Form& form, ControlId field, int lo, int hi);

// The same for a decimal fraction: above hi the text becomes hi, below lo it
// becomes lo (both written as whole numbers).
void FractionCheck(Form& form, ControlId field, int lo, int hi);

}  // namespace qv
