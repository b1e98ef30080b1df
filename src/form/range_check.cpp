#include "form/range_check.h"

#include <cstdlib>
#include <string>

#include "text/leading_integer.h"

namespace qv {

void RangeCheck(Form& form, ControlId field, int lo, int hi) {
  const std::int32_t value = LeadingInteger(form.Text(field));
  if (value > hi) {
    form.SetText(field, std::to_string(hi));
  } else if (value < lo) {
    form.SetText(field, std::to_string(lo));
  }
}

void FractionCheck(Form& form, ControlId field, int lo, int hi) {
  // strtod reads what a C runtime's float conversion reads: leading blanks,
  // a sign, digits with one '.', an exponent; no number gives 0.
  const std::string text = form.Text(field);
  const double value = std::strtod(text.c_str(), nullptr);
  if (value > hi) {
    form.SetText(field, std::to_string(hi));
  } else if (value < lo) {
    form.SetText(field, std::to_string(lo));
  }
}

}  // namespace qv
