#include "text/batch_text.h"

namespace qv {
namespace {

// Characters as the system counts them.
std::size_t Utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    units += (byte & 0xC0) == 0x80 ? 0 : byte >= 0xF0 ? 2 : 1;
  }
  return units;
}

// The "\\?\" form of an absolute path, or "" when that form cannot name it.
std::string LongForm(std::string_view path) {
  const std::string marked = std::string(path) + "\\";
  if (path.find('/') != std::string_view::npos || marked.find("\\.\\") != std::string::npos ||
      marked.find("\\..\\") != std::string::npos) {
    return {};
  }
  if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') return "\\\\?\\" + std::string(path);
  if (path.size() >= 3 && path.substr(0, 2) == "\\\\" && path[2] != '?') return "\\\\?\\UNC" + std::string(path.substr(1));
  return {};
}

}  // namespace

std::string BatchPath(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    if (c == '%') result += '%';
    result += c;
  }
  return result;
}

std::string BatchQuoted(std::string_view path) {
  std::string quoted = BatchPath(path);
  quoted.insert(quoted.begin(), '"');
  quoted += '"';
  return quoted;
}

std::string InterpreterQuoted(std::string_view path) {
  constexpr std::size_t kClassicLimit = 260;
  const std::string longForm = Utf16Length(path) < kClassicLimit ? std::string() : LongForm(path);
  return BatchQuoted(longForm.empty() ? path : longForm);
}

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
