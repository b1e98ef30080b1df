#include "form/rules.h"

#include <string>

#include "form/range_check.h"
#include "settings/leading_integer.h"

namespace qv {
namespace {

// A control that is enabled exactly when its driver's value is at least
// `atLeast`: a check mark, a list index, or a field's leading integer.
struct EnableRule {
  ControlId driver;
  ControlId dependent;
  int atLeast;
};

constexpr EnableRule kEnableRules[] = {
    {ControlId::A1, ControlId::A5, 1},
    {ControlId::A2, ControlId::A4, 1},
    {ControlId::Subpel, ControlId::ChromaMe, 4},
    {ControlId::Method, ControlId::Range, 2},
    {ControlId::Ref, ControlId::MixedRefs, 2},
    {ControlId::Cabac, ControlId::TrellisLabel, 1},
    {ControlId::Audio, ControlId::AudioBitrate, 1},
};

// A label that shows a track bar's position minus an offset.
struct ReadoutRule {
  ControlId slider;
  ControlId readout;
  int offset;
};

constexpr ReadoutRule kReadoutRules[] = {
    {ControlId::Strength, ControlId::StrengthValue, 6},
    {ControlId::Threshold, ControlId::ThresholdValue, 6},
    {ControlId::BiasSlider, ControlId::Bias, 100},
};

int DriverValue(const Form& form, ControlId driver) {
  return ControlRow(driver).kind == ControlKind::Edit ? LeadingInteger(form.Text(driver))
                                                : form.Number(driver);
}

constexpr ControlId kQuantizerLimitFields[] = {ControlId::Vbr, ControlId::MinQp, ControlId::MaxQp,
                                               ControlId::QpStep, ControlId::Vbs, ControlId::Vmb,
                                               ControlId::Vib};

constexpr ControlId kBFrameControls[] = {ControlId::A3,   ControlId::DirectMode, ControlId::BiasSlider,
                                         ControlId::Bias, ControlId::BRef,       ControlId::BMe,
                                         ControlId::BAdapt, ControlId::BWeighted};

}  // namespace

bool IsQuantizerMode(int mode) {
  return mode == 1 || mode == 2 || mode == 8 || mode == 9 || mode == 12;
}

void ApplyModeRules(Form& form) {
  const int mode = form.Number(ControlId::Mode);
  const bool quantizer = IsQuantizerMode(mode);
  form.SetText(ControlId::RateCaption, quantizer ? "Quantizer" : "Average Bitrate");
  form.SetText(ControlId::RangeHint, quantizer ? "Range 0~51" : "Range 0~8000");
  form.SetText(ControlId::Value, form.Text(ControlId::Value));
  // Constant quantizer leaves every rate-control limit without meaning; the
  // CRF modes keep all but the bitrate variance.
  for (ControlId field : kQuantizerLimitFields) form.SetEnabled(field, !quantizer || mode != 1);
  form.SetEnabled(ControlId::Bv, !quantizer);
  form.SetVisible(ControlId::Calc, !quantizer);

  const bool multipass = mode > 2;
  form.SetEnabled(ControlId::UpdateStats, multipass);
  form.SetEnabled(ControlId::Stats, multipass);
  form.SetEnabled(ControlId::StatsBrowse, multipass);

  const bool crfFirstPass = mode == 10 || mode == 11 || mode == 13;
  form.SetVisible(ControlId::Auto1pCrf, crfFirstPass);
  form.SetVisible(ControlId::CrfLabel, crfFirstPass);

  const bool conditional = mode == 13;
  form.SetVisible(ControlId::Banner, !conditional);
  for (ControlId id : {ControlId::MinSizeLabel, ControlId::MinSize, ControlId::MaxSizeLabel,
                       ControlId::MaxSize}) {
    form.SetVisible(id, conditional);
  }
}

void ApplyBFrameRules(Form& form) {
  RangeCheck(form, ControlId::MaxB, 0, 16);
  const int count = LeadingInteger(form.Text(ControlId::MaxB));
  for (ControlId id : kBFrameControls) form.SetEnabled(id, count != 0);
  if (count == 1) {
    form.SetEnabled(ControlId::BRef, false);
    form.SetEnabled(ControlId::BWeighted, false);
  }
}

void ApplyLogFileRule(Form& form) {
  const bool on = form.Number(ControlId::CreateLog) != 0;
  form.SetEnabled(ControlId::Log, on);
  form.SetEnabled(ControlId::LogBrowse, on);
}

void ApplyInlineRules(Form& form, ControlId driver) {
  for (const EnableRule& rule : kEnableRules) {
    if (rule.driver == driver) form.SetEnabled(rule.dependent, DriverValue(form, driver) >= rule.atLeast);
  }
  for (const ReadoutRule& rule : kReadoutRules) {
    if (rule.slider == driver) form.SetText(rule.readout, std::to_string(form.Number(driver) - rule.offset));
  }
  if (driver == ControlId::AudioEncoder) {
    form.SetText(ControlId::AudioUnit, form.Number(driver) > 5 ? "Quality" : "Kbps");
  }
}

void ApplyBiasSliderRule(Form& form) {
  // Widened so that a saturated field value cannot overflow.
  const long long position = static_cast<long long>(LeadingInteger(form.Text(ControlId::Bias))) + 100;
  form.SetNumber(ControlId::BiasSlider, static_cast<int>(position > 200 ? 200 : position < 0 ? 0 : position));
}

}  // namespace qv
