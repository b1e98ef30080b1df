#include "text/case_fold.h"

#include <array>
#include <vector>

#include "text/path_parts.h"
#include "text/wide_text.h"

namespace qv {
namespace {

// Every `step`-th unit from `first` to `last` upper-cases to itself plus `delta`.
struct UpperRun {
  char16_t first;
  char16_t last;
  char16_t step;
  int delta;
};

constexpr UpperRun kUpperRuns[] = {
#include "upper_case_table.inc"
};

std::array<char16_t, 0x10000> MakeUpperTable() {
  std::array<char16_t, 0x10000> table{};
  for (std::size_t unit = 0; unit < table.size(); ++unit) table[unit] = static_cast<char16_t>(unit);
  for (const UpperRun& run : kUpperRuns) {
    for (unsigned unit = run.first; unit <= run.last; unit += run.step) {
      table[unit] = static_cast<char16_t>(static_cast<int>(unit) + run.delta);
    }
  }
  return table;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool EndsWithFolded(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() && FoldCase(text.substr(text.size() - ending.size())) == ending;
}

std::string WithoutLongPrefix(std::string_view path) {
  if (path.size() < 4 || !IsSeparator(path[0]) || !IsSeparator(path[1]) || (path[2] != '?' && path[2] != '.') ||
      !IsSeparator(path[3])) {
    return std::string(path);
  }
  const std::string_view rest = path.substr(4);
  if (rest.size() >= 4 && FoldCase(rest.substr(0, 3)) == "UNC" && IsSeparator(rest[3])) {
    return "\\\\" + std::string(rest.substr(4));
  }
  return std::string(rest);
}

}  // namespace

std::string WithoutAliases(std::string_view path) {
  std::string plain = WithoutLongPrefix(path);
  if (EndsWithFolded(plain, "::$DATA")) plain.resize(plain.size() - 7);
  return plain;
}

char16_t UpperCaseUnit(char16_t unit) {
  static const std::array<char16_t, 0x10000> table = MakeUpperTable();
  return table[unit];
}

std::string FoldCase(std::string_view utf8) {
  std::string folded(utf8);
  for (char& c : folded) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (IsAscii(folded) || !IsUtf8(utf8)) return folded;
  std::u16string wide = ToUtf16(utf8);
  for (char16_t& unit : wide) unit = UpperCaseUnit(unit);
  return FromUtf16(wide);
}

std::string PortablePathKey(std::string_view path, std::string_view currentFolder) {
  const std::string given = WithoutAliases(path);
  std::string full;
  switch (StartOf(given)) {
    case PathStart::Itself:
      full = given;
      break;
    case PathStart::DriveRoot:
      full = std::string(RootPart(currentFolder)) + given;
      break;
    case PathStart::DriveFolder: {
      // Another drive's current folder is the command interpreter's to know;
      // for the program it is that drive's root.
      const bool sameDrive = FoldCase(RootPart(currentFolder)) == FoldCase(given.substr(0, 2));
      full = (sameDrive ? WithTrailingSeparator(std::string(currentFolder)) : given.substr(0, 2) + "\\") +
             given.substr(2);
      break;
    }
    case PathStart::CurrentFolder:
      full = WithTrailingSeparator(std::string(currentFolder)) + given;
      break;
  }
  const std::string_view root = RootPart(full);
  std::vector<std::string_view> parts;
  const std::string_view rest = std::string_view(full).substr(root.size());
  for (std::size_t start = 0; start < rest.size();) {
    std::size_t end = start;
    while (end < rest.size() && !IsSeparator(rest[end])) ++end;
    const std::string_view part = rest.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string key(root);
  for (char& c : key) {
    if (c == '/') c = '\\';
  }
  for (const std::string_view part : parts) key += "\\" + std::string(part);
  if (!parts.empty()) {
    // Windows drops the dots and blanks that end a name.
    while (!key.empty() && (key.back() == '.' || key.back() == ' ') && !IsSeparator(key.back())) key.pop_back();
  }
  if (key.empty() || key == root) key += "\\";
  return FoldCase(key);
}

}  // namespace qv
