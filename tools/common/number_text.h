#pragma once
// Strict readers for the numbers that the tools take from command lines and
// dialog fields: a text that is not entirely a number is rejected rather than
// read up to its first stray character, so a typo never turns into a value.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv::tools {

// Decimal digits only, no sign, no blanks; nullopt when empty or too large.
std::optional<std::uint64_t> ParseWholeNumber(std::string_view text);

// Decimal digits with at most one dot ("90", "0.5", ".5", "5."); at least
// one digit, no sign, no exponent, no blanks, and a finite value.
std::optional<double> ParseDecimal(std::string_view text);

// `bytes` in megabytes of 1,048,576 bytes with two decimals ("95.37").
std::string FormatMegabytes(std::uint64_t bytes);

}  // namespace qv::tools
