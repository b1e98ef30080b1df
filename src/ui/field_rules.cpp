#include "ui/field_rules.h"

#include "form/range_check.h"
#include "form/rules.h"
#include "settings/settings_table.h"

namespace qv {
namespace {

const SettingSpec* SettingShownBy(ControlId control) {
  const SettingSpec* settings = AllSettings();
  for (std::size_t i = 0; i < kSettingCount; ++i) {
    if (settings[i].control == control) return &settings[i];
  }
  return nullptr;
}

}  // namespace

void ApplyFormLimit(Form& form, ControlId field) {
  const SettingSpec* setting = SettingShownBy(field);
  if (!setting) return;
  const Limit& limit = setting->onForm;
  switch (limit.kind) {
    case LimitKind::None:
      return;
    case LimitKind::Integer:
      RangeCheck(form, field, limit.lo, limit.hi);
      return;
    case LimitKind::RateValue:
      RangeCheck(form, field, limit.lo, RateValueUpperBound(form.Number(ControlId::Mode)));
      return;
    case LimitKind::Fraction:
      FractionCheck(form, field, limit.lo, limit.hi);
      return;
  }
}

void ApplyFieldRules(Form& form, ControlId control) {
  ApplyFormLimit(form, control);
  ApplyInlineRules(form, control);
}

}  // namespace qv
