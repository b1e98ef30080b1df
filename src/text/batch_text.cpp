#include "text/batch_text.h"

namespace qv {

std::string BatchPath(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    if (c == '%') result += '%';
    result += c;
  }
  return result;
}

std::string BatchQuoted(std::string_view path) { return "\"" + BatchPath(path) + "\""; }

std::string BatchEcho(std::string_view text) {
  constexpr std::string_view kCaretEscaped = "^&|<>";
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    if (c == '%') {
      result += '%';
    } else if (kCaretEscaped.find(c) != std::string_view::npos) {
      result += '^';
    }
    result += c;
  }
  return result;
}

}  // namespace qv
