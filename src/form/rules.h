#pragma once
// The rules that enable, disable, show, hide and relabel controls from the
// values of other controls.

#include "form/form.h"

namespace qv {

// Every rule that `driver` drives: the mode's captions, enabled and visible
// controls (writing the rate value back unchanged, so that its check runs
// again under the new mode); the B-frame controls by the number of
// B-frames; the log-file controls; the one-to-one enables; the slider
// readouts; the unit beside the audio rate. Nothing for a control that
// drives no rule.
void ApplyRulesOf(Form& form, ControlId driver);

// True when `control` drives a rule of ApplyRulesOf.
bool DrivesRules(ControlId control);

// The bias slider from the bias field (on focus loss only, and after a load).
void ApplyBiasSliderRule(Form& form);

}  // namespace qv
