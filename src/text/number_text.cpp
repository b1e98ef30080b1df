#include "text/number_text.h"

#include <algorithm>

namespace qv {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t DigitsFrom(std::string_view text, std::size_t i) {
  return static_cast<std::size_t>(std::find_if_not(text.begin() + i, text.end(), IsDigit) - text.begin());
}

}  // namespace

std::optional<std::string> NumberText(std::string_view text, bool fraction) {
  std::size_t i = std::min(text.find_first_not_of(" \t"), text.size());
  const std::string_view sign = text.substr(i, 1);
  const bool negative = sign == "-";
  if (negative || sign == "+") ++i;
  const std::size_t start = i;
  std::size_t end = DigitsFrom(text, start);
  if (end == start) return std::nullopt;
  if (fraction && end + 1 < text.size() && text[end] == '.' && IsDigit(text[end + 1])) {
    end = DigitsFrom(text, end + 1);
  }
  return (negative ? "-" : "") + std::string(text.substr(start, end - start));
}

bool HoldsQuoteOrControl(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || byte < 0x20 || byte == 0x7F) return true;
  }
  return false;
}

}  // namespace qv
