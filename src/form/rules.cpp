#include "form/rules.h"

#include <algorithm>
#include <string>

#include "catalog/audio_encoders.h"
#include "catalog/encode_modes.h"
#include "catalog/x264_lists.h"
#include "text/leading_integer.h"

namespace qv {
namespace {

using C = ControlId;

// A control that is enabled exactly when its driver's value is at least
// `atLeast`: a check mark, a list index, or a field's leading integer.
struct EnableRule {
  ControlId driver;
  ControlId dependent;
  int atLeast;
};

const EnableRule kEnableRules[] = {
    {C::A1, C::A5, 1},
    {C::A2, C::A4, 1},
    {C::Subpel, C::ChromaMe, SubpelIndex(kChromaMeChoiceLevel)},
    {C::Method, C::Range, FirstRangedMotionSearch()},
    {C::Ref, C::MixedRefs, 2},
    {C::Cabac, C::TrellisLabel, 1},
    {C::Audio, C::AudioBitrate, 1}, {C::CreateLog, C::Log, 1}, {C::CreateLog, C::LogBrowse, 1},
};

// A label that shows a track bar's position from the middle of its range.
struct ReadoutRule {
  ControlId slider;
  ControlId readout;
};

constexpr ReadoutRule kReadoutRules[] = {
    {C::Strength, C::StrengthValue},
    {C::Threshold, C::ThresholdValue},
    {C::BiasSlider, C::Bias},
};

int TrackMiddle(ControlId slider) {
  const ControlSpec& row = ControlRow(slider);
  return (row.lo + row.hi) / 2;
}

int DriverValue(const Form& form, ControlId driver) {
  return ControlRow(driver).kind == ControlKind::Edit ? LeadingInteger(form.Text(driver)) : form.Number(driver);
}

constexpr ControlId kRateControlFields[] = {C::Vbr, C::MinQp, C::MaxQp, C::QpStep, C::Vbs, C::Vmb, C::Vib};

constexpr ControlId kBFrameControls[] = {C::A3,   C::DirectMode, C::BiasSlider, C::Bias,
                                         C::BRef, C::BMe,        C::BAdapt,     C::BWeighted};

constexpr ControlId kSizeCheckControls[] = {C::MinSizeLabel, C::MinSize, C::MaxSizeLabel, C::MaxSize};

bool UsesFirstPassCrf(const EncodeModeSpec& mode) {
  for (std::size_t i = 0; i < mode.passCount; ++i) {
    if (mode.passes[i].rate == RateSource::FirstPassCrf) return true;
  }
  return false;
}

void ApplyModeRules(Form& form) {
  const int index = form.Number(C::Mode);
  const bool quantizer = HasTrait(index, kQuantizerRate);
  form.SetText(C::RateCaption, quantizer ? "Quantizer" : "Average Bitrate");
  form.SetText(C::RangeHint, RateHint(index));
  for (ControlId field : kRateControlFields) form.SetEnabled(field, !HasTrait(index, kNoRateControl));
  form.SetEnabled(C::Bv, !quantizer);
  form.SetVisible(C::Calc, !quantizer);

  const bool stats = HasTrait(index, kUsesStats);
  for (ControlId id : {C::UpdateStats, C::Stats, C::StatsBrowse}) form.SetEnabled(id, stats);

  const EncodeModeSpec* mode = FindEncodeMode(index);
  const bool firstPassCrf = mode != nullptr && UsesFirstPassCrf(*mode);
  form.SetVisible(C::Auto1pCrf, firstPassCrf);
  form.SetVisible(C::CrfLabel, firstPassCrf);

  const bool sizeCheck = HasTrait(index, kSizeCheck);
  form.SetVisible(C::Banner, !sizeCheck);
  for (ControlId id : kSizeCheckControls) form.SetVisible(id, sizeCheck);
}

void ApplyBFrameRules(Form& form) {
  const int count = LeadingInteger(form.Text(C::MaxB));
  for (ControlId id : kBFrameControls) form.SetEnabled(id, count != 0);
  // A single B-frame can neither serve as a reference nor be weighted.
  if (count == 1) {
    form.SetEnabled(C::BRef, false);
    form.SetEnabled(C::BWeighted, false);
  }
}

void ApplyAudioUnitRule(Form& form) {
  const AudioEncoderSpec* encoder = FindAudioEncoder(form.Number(C::AudioEncoder));
  form.SetText(C::AudioUnit, encoder != nullptr ? encoder->unitCaption : "Kbps");
}

// The rules that are more than one enable or one readout.
struct DriverRules {
  ControlId driver;
  void (*apply)(Form& form);
};

constexpr DriverRules kDriverRules[] = {
    {C::Mode, ApplyModeRules},
    {C::MaxB, ApplyBFrameRules},
    {C::AudioEncoder, ApplyAudioUnitRule},
};

}  // namespace

void ApplyRulesOf(Form& form, ControlId driver) {
  for (const DriverRules& rules : kDriverRules) {
    if (rules.driver == driver) rules.apply(form);
  }
  for (const EnableRule& rule : kEnableRules) {
    if (rule.driver == driver) form.SetEnabled(rule.dependent, DriverValue(form, driver) >= rule.atLeast);
  }
  for (const ReadoutRule& rule : kReadoutRules) {
    if (rule.slider == driver) form.SetText(rule.readout, std::to_string(form.Number(driver) - TrackMiddle(driver)));
  }
}

bool DrivesRules(ControlId control) {
  for (const DriverRules& rules : kDriverRules) {
    if (rules.driver == control) return true;
  }
  for (const EnableRule& rule : kEnableRules) {
    if (rule.driver == control) return true;
  }
  for (const ReadoutRule& rule : kReadoutRules) {
    if (rule.slider == control) return true;
  }
  return false;
}

void ApplyRateUnitSwitch(Form& form) {
  const int index = form.Number(C::Mode);
  const EncodeModeSpec* mode = FindEncodeMode(index);
  // The hint still shows the range of the mode the field was written for.
  if (mode != nullptr && form.Text(C::RangeHint) != RateHint(index)) {
    form.SetText(C::Value, std::to_string(mode->defaultRate));
  }
}

void ApplyBiasSliderRule(Form& form) {
  // Widened so that a saturated field value cannot overflow.
  const ControlSpec& track = ControlRow(C::BiasSlider);
  const long long position = static_cast<long long>(LeadingInteger(form.Text(C::Bias))) + TrackMiddle(C::BiasSlider);
  form.SetNumber(C::BiasSlider, static_cast<int>(std::clamp<long long>(position, track.lo, track.hi)));
}

}  // namespace qv
