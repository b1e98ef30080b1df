#include "common/number_text.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace qv::tools {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::optional<std::uint64_t> ParseWholeNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    const unsigned digit = static_cast<unsigned>(c - '0');
    if (value > (kMax - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

std::optional<double> ParseDecimal(std::string_view text) {
  // Built digit by digit instead of with strtod, which follows the C locale's
  // decimal separator and accepts signs, blanks, exponents and "inf". All
  // digits are gathered into one mantissa and divided once by the power of
  // ten, so "0.3" rounds like the literal 0.3 does.
  double mantissa = 0;
  double divisor = 1;
  bool seenDot = false;
  bool seenDigit = false;
  for (char c : text) {
    if (c == '.') {
      if (seenDot) return std::nullopt;
      seenDot = true;
    } else if (IsDigit(c)) {
      seenDigit = true;
      mantissa = mantissa * 10 + (c - '0');
      if (seenDot) divisor *= 10;
    } else {
      return std::nullopt;
    }
  }
  if (!seenDigit) return std::nullopt;
  // Hundreds of digits overflow to infinity, and infinity / infinity is not
  // a number at all: neither is a size.
  const double value = mantissa / divisor;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::string FormatMegabytes(std::uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(bytes) / 1048576.0);
  return text;
}

}  // namespace qv::tools
