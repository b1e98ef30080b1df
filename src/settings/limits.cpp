#include "settings/limits.h"

#include "catalog/encode_modes.h"
#include "form/range_check.h"
#include "settings/settings_table.h"

namespace qv {
namespace {

void ApplyLimit(Form& form, ControlId field, const Limit& limit) {
  switch (limit.kind) {
    case LimitKind::None:
      return;
    case LimitKind::Integer:
      RangeCheck(form, field, limit.lo, limit.hi);
      return;
    case LimitKind::RateValue:
      RangeCheck(form, field, limit.lo, RateLimit(form.Number(ControlId::Mode)));
      return;
    case LimitKind::Fraction:
      FractionCheck(form, field, limit.lo, limit.hi);
      return;
  }
}

}  // namespace

void ApplyFormLimit(Form& form, ControlId control) {
  for (const SettingSpec& row : AllSettings()) {
    if (row.control == control) ApplyLimit(form, control, row.onForm);
  }
}

bool HasFormLimit(ControlId control) {
  for (const SettingSpec& row : AllSettings()) {
    if (row.control == control && row.onForm.kind != LimitKind::None) return true;
  }
  return false;
}

void ApplyLoadLimits(Form& form) {
  for (const SettingSpec& row : AllSettings()) ApplyLimit(form, row.control, row.onLoad);
}

}  // namespace qv
