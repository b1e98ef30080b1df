#include "text/batch_text.h"

#include <algorithm>

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

namespace {

std::string Unescaped(std::string_view text, bool echo) {
  std::string path;
  path.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "%%") == 0 || (echo && text[i] == '^' && i + 1 < text.size())) ++i;
    path += text[i];
  }
  return path;
}

}  // namespace

std::string SwitchedToUtf8(std::string_view text, std::string_view codePage, std::string_view remember) {
  constexpr std::string_view kSwitch = "@chcp 65001 >nul\r\n", kRestore[] = {"@chcp ", " >nul\r\n"};
  const auto high = std::find_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  const std::size_t lineEnd = text.rfind('\n', static_cast<std::size_t>(high - text.begin()));
  const std::size_t switchAt = high == text.end() ? text.size() : lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
  std::string bytes;
  bytes.reserve(text.size() + remember.size() + kSwitch.size() + kRestore[0].size() + codePage.size() +
                kRestore[1].size());
  bytes.append(text.substr(0, switchAt)).append(remember).append(kSwitch).append(text.substr(switchAt));
  bytes.append(kRestore[0]).append(codePage).append(kRestore[1]);
  return bytes;
}

std::string BatchUnechoed(std::string_view text) { return Unescaped(text, true); }

std::string BatchUnquoted(std::string_view argument) {
  if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"') {
    argument = argument.substr(1, argument.size() - 2);
  }
  return Unescaped(argument, false);
}

}  // namespace qv
