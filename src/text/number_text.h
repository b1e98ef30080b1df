#pragma once
// Reading the number at the start of a setting's text, as a batch line may
// carry it.

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The number that `text` starts with (after blanks and tabs): an optional
// minus sign and digits, and with `fraction` a point with digits after
// them; a "+" sign and whatever follows the number are dropped. nullopt
// when the text starts with no digits.
std::optional<std::string> NumberText(std::string_view text, bool fraction);

// True when the text holds a double quote or a control character: neither
// may ever reach a batch line or a wrapper script.
bool HoldsQuoteOrControl(std::string_view text);

}  // namespace qv
