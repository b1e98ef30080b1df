#include "text/leading_integer.h"

#include <algorithm>
#include <limits>

namespace qv {

std::int32_t LeadingInteger(std::string_view text) {
  std::size_t i = std::min(text.find_first_not_of(" \t"), text.size());
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulate as a negative number so that INT32_MIN is reachable.
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    // Saturates just below the smallest value; further digits keep it there.
    value = std::max(value * 10 - (text[i] - '0'), kMin - 1);
  }
  return static_cast<std::int32_t>(negative ? std::max(value, kMin) : std::min(-value, kMax));
}

}  // namespace qv
