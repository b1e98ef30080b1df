#include "settings/batch_values.h"

#include "settings/settings_table.h"
#include "text/number_text.h"

namespace qv {
namespace {

const SettingSpec& SettingOf(ControlId control) {
  const SettingSpec* settings = AllSettings();
  std::size_t i = 0;
  while (settings[i].control != control) ++i;
  return settings[i];
}

}  // namespace

std::string BatchNumber(const Form& form, ControlId field) {
  const SettingSpec& setting = SettingOf(field);
  const std::string text = form.Text(field);
  std::optional<std::string> number;
  if (!HoldsQuoteOrControl(text)) number = NumberText(text, setting.format == ValueFormat::Fraction);
  return number ? *number : setting.ifMissing;
}

MatrixChoice BatchMatrix(const Form& form) {
  std::string text = form.Text(ControlId::Matrix);
  const bool quoted = text.size() >= 2 && text.front() == '"' && text.back() == '"';
  if (quoted) text = text.substr(1, text.size() - 2);
  if (!quoted) {
    for (const char* preset : {"flat", "jvt"}) {
      if (text == preset) return {false, text};
    }
  }
  if (text.empty() || HoldsQuoteOrControl(text)) return {false, SettingOf(ControlId::Matrix).ifMissing};
  return {true, text};
}

}  // namespace qv
