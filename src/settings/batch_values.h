#pragma once
// A setting's value as it enters a batch line, whatever wrote it (a user, a
// config, the state file, the command line): never more than the setting's
// own kind of value, so that nothing a field or a file holds can run as a
// command.

#include <string>

#include "form/form.h"

namespace qv {

// The number that the field's text starts with (digits with an optional
// minus sign; a point with digits for a setting that takes fractions); the
// setting's value if missing when the text holds no number, a double quote
// or a control character.
std::string BatchNumber(const Form& form, ControlId field);

// The quantisation matrix: one of the two preset names, or a matrix file.
struct MatrixChoice {
  bool file;         // `text` is a file path (without quotes), not a preset
  std::string text;
};
// A text between one pair of double quotes is a file, as the matrix picker
// stores it; a text holding another double quote or a control character, or
// nothing, is the matrix if missing.
MatrixChoice BatchMatrix(const Form& form);

}  // namespace qv
