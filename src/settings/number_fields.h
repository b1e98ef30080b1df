#pragma once
// The fields whose text a batch line takes as a number must hold one: digits,
// with a minus sign before them and, where the setting takes a fraction, a
// point with digits after them; blanks around it are no matter.

#include <optional>
#include <string>

#include "form/form.h"
#include "settings/settings_table.h"

namespace qv {

// True when `text` is one whole number as the setting's format takes it.
bool IsWholeNumber(std::string_view text, ValueFormat format);

// What a number field says when `text` is typed into it and holds a
// character that no number of the field holds (digits, blanks, a sign, a
// point where it takes a fraction): the field keeps its text. Nothing when
// the field takes the text, whole number or not yet.
std::optional<std::string> TypingRefusal(ControlId field, std::string_view text);

struct NonNumber {
  ControlId field;
  std::string caption;  // as the form shows it beside the field
  std::string text;
};

// The first number field, enabled and shown, that holds no whole number.
std::optional<NonNumber> FindNonNumber(const Form& form);

// The rate field when it holds a number outside the range of the chosen
// mode (the range its hint shows), with that range as "0~51"; nothing when
// the muxer takes the audio alone, which writes no rate.
struct RateOutside {
  std::string caption;
  std::string text;
  std::string range;
};
std::optional<RateOutside> FindRateOutsideRange(const Form& form);

}  // namespace qv
