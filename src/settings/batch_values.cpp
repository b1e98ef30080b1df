#include "settings/batch_values.h"

#include <algorithm>

#include "catalog/x264_lists.h"
#include "settings/settings_table.h"
#include "text/number_text.h"

namespace qv {

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
  for (int i = 0; !quoted && i < kMatrixCount; ++i) {
    if (FindMatrix(i)->builtIn && text == FindMatrix(i)->listText) return {false, text};
  }
  if (text.empty() || HoldsQuoteOrControl(text)) return {false, SettingOf(ControlId::Matrix).ifMissing};
  return {true, text};
}

}  // namespace qv
