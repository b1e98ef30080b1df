#pragma once
// The rules that enable, disable, show, hide and relabel controls from the
// values of other controls.

#include "form/form.h"

namespace qv {

// Captions, enabled and visible states that follow the encode mode. Writes
// the rate value back unchanged so that its range check runs again under the
// new mode (through the queued text-changed event).
void ApplyModeRules(Form& form);

// Limits "Max consecutive" to 0..16, then enables the B-frame controls by the
// number of B-frames.
void ApplyBFrameRules(Form& form);

// The log path field and its "..." button follow "Logfile(empty=none)".
void ApplyLogFileRule(Form& form);

// The one-to-one rules driven by `driver` (enable/disable, unit caption,
// slider readouts, bias field from its slider). Does nothing for a control
// that drives no such rule.
void ApplyInlineRules(Form& form, ControlId driver);

// The bias slider from the bias field (on focus loss only).
void ApplyBiasSliderRule(Form& form);

// True when the mode list index is a quantizer mode (1, 2, 8, 9, 12).
bool IsQuantizerMode(int mode);

}  // namespace qv
