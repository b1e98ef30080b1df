#pragma once
// The rules that enable, disable, show, hide and relabel controls from the
// values of other controls.

#include "form/form.h"

namespace qv {

// Every rule that `driver` drives: the mode's captions, range hint, enabled
// and visible controls; the B-frame controls by the number of
// B-frames; the log-file controls; the one-to-one enables; the slider
// readouts; the unit beside the audio rate. Nothing for a control that
// drives no rule.
void ApplyRulesOf(Form& form, ControlId driver);

// True when `control` drives a rule of ApplyRulesOf.
bool DrivesRules(ControlId control);

// A user's switch between a quantizer mode and a bitrate mode changes the
// unit of the rate field, so the field takes the new mode's default rate: a
// CRF of 26 never means 26 kbit/s, nor 1200 kbit/s a quantizer. Runs before
// the mode's own rules relabel the field; a load keeps the rate it reads.
void ApplyRateUnitSwitch(Form& form);

// The bias slider from the bias field (on focus loss only, and after a load).
void ApplyBiasSliderRule(Form& form);

}  // namespace qv
