#pragma once
// Reading a setting's text as a number.

#include <cstdint>
#include <string_view>

namespace qv {

// The leading decimal integer of a text: blanks and tabs skipped, one
// optional sign, digits up to the first other character; no digits gives 0.
// Saturates at the signed 32-bit bounds instead of overflowing.
std::int32_t LeadingInteger(std::string_view text);

}  // namespace qv
