#include "envprep/search_path.h"

namespace qv::tools {
namespace {

void AppendEscapedPercent(std::string& line, std::string_view text) {
  for (char c : text) {
    line += c;
    if (c == '%') line += '%';
  }
}

}  // namespace

std::string SetPathLine(std::string_view path) {
  std::string line = "@set PATH=";
  for (char c : path) {
    switch (c) {
      case '%':
        line += "%%";
        break;
      case '^':
      case '&':
      case '|':
      case '<':
      case '>':
      case '(':
      case ')':
      case '"':
        line += '^';
        line += c;
        break;
      default:
        line += c;
    }
  }
  line += "\r\n";
  return line;
}

std::string PrependPathLine(const std::vector<std::string>& front) {
  // Inside the quotes of set "NAME=value" cmd.exe takes ^ & | < > ( )
  // literally; only '%' still needs doubling, and a double quote, which the
  // folders cannot hold and which is taken out of the PATH as it expands,
  // would end the quoting.
  std::string line = "@set \"PATH=";
  for (const auto& folder : front) {
    AppendEscapedPercent(line, folder);
    line += ';';
  }
  line += "%PATH:\"=%\"\r\n";
  return line;
}

std::string EnvprepBatchText(const std::vector<std::string>& front, std::string_view currentPath) {
  std::string line = SetPathLine(ComposeSearchPath(front, currentPath));
  // The CR LF does not count towards cmd.exe's limit.
  if (line.size() - 2 > kLongestBatchLine) line = PrependPathLine(front);
  return line;
}

}  // namespace qv::tools
