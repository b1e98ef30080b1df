#include "commands/test_form.h"

#include "settings/leading_integer.h"
#include "settings/settings_table.h"

namespace qv::testing {

Form DefaultSettingsForm() {
  Form form;
  for (std::size_t i = 0; i < kSettingCount; ++i) {
    const SettingSpec& setting = AllSettings()[i];
    const char* value = setting.builtIn != nullptr ? setting.builtIn : setting.ifMissing;
    if (setting.kind == SettingKind::Number) {
      form.SetNumber(setting.control, LeadingInteger(value));
    } else {
      form.SetText(setting.control, value);
    }
  }
  form.ClearEvents();
  return form;
}

}  // namespace qv::testing
