#include "text/path_parts.h"

#include <algorithm>

namespace qv {
namespace {

constexpr std::string_view kSeparators = "\\/";

// Position just past the last separator; 0 when there is none.
std::size_t FileStart(std::string_view path) {
  const std::size_t last = path.find_last_of(kSeparators);
  return last == std::string_view::npos ? 0 : last + 1;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool HasDrive(std::string_view path) {
  const char letter = path.size() >= 2 ? static_cast<char>(path[0] | 0x20) : '\0';
  return letter >= 'a' && letter <= 'z' && path[1] == ':';
}

// The length of the text before the separator that ends the `count`th
// component after `from`, or the whole text.
std::size_t AfterComponents(std::string_view path, std::size_t from, int count) {
  for (; count > 0 && from < path.size(); --count) {
    const std::size_t end = path.find_first_of(kSeparators, from);
    if (end == std::string_view::npos) return path.size();
    from = count > 1 ? end + 1 : end;
  }
  return std::min(from, path.size());
}

}  // namespace

PathStart StartOf(std::string_view path) {
  if (HasDrive(path)) return path.size() > 2 && IsSeparator(path[2]) ? PathStart::Itself : PathStart::DriveFolder;
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) return PathStart::Itself;
  if (!path.empty() && IsSeparator(path[0])) return PathStart::DriveRoot;
  return PathStart::CurrentFolder;
}

std::string_view RootPart(std::string_view path) {
  if (HasDrive(path)) return path.substr(0, 2);
  if (path.size() < 2 || !IsSeparator(path[0]) || !IsSeparator(path[1])) return {};
  // "\\?\UNC\server\share" names a share in the long form, "\\?\C:" a drive.
  const bool longShare = path.size() >= 8 && path.substr(2, 2) == "?\\" && (path.substr(4, 4) == "UNC\\");
  return path.substr(0, AfterComponents(path, 2, longShare ? 4 : 2));
}

std::string_view FolderPart(std::string_view path) { return path.substr(0, FileStart(path)); }

std::string_view FilePart(std::string_view path) { return path.substr(FileStart(path)); }

std::string_view ExtensionPart(std::string_view path) {
  const std::string_view file = FilePart(path);
  const std::size_t dot = file.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : file.substr(dot + 1);
}

std::string ReplaceExtension(std::string_view path, std::string_view ending) {
  std::string result(path.substr(0, path.size() - ExtensionPart(path).size()));
  // A name without any extension would otherwise run straight into the new
  // ending ("clip" + "mp4" as "clipmp4").
  if (result.empty() || result.back() != '.') result += '.';
  result += ending;
  return result;
}

std::string WithTrailingSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return folder;
}

bool IsDeviceName(std::string_view name) {
  // The device is meant whatever follows the first dot, and trailing blanks
  // before it are dropped by the system.
  name = name.substr(0, name.find('.'));
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  std::string lower;
  for (char c : name) lower += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  for (std::string_view device : {"con", "prn", "aux", "nul", "conin$", "conout$"}) {
    if (lower == device) return true;
  }
  const std::string_view stem = std::string_view(lower).substr(0, 3);
  if (stem != "com" && stem != "lpt") return false;
  // COM and LPT take 1-9 and the superscripts one, two and three.
  const std::string_view port = std::string_view(lower).substr(3);
  for (std::string_view digit : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "\xC2\xB9", "\xC2\xB2", "\xC2\xB3"}) {
    if (port == digit) return true;
  }
  return false;
}

bool IsWriteTemporaryName(std::string_view name, std::string_view prefix) {
  constexpr std::string_view kEnding = ".tmp";
  if (name.size() <= prefix.size() + kEnding.size() || name.substr(0, prefix.size()) != prefix ||
      name.substr(name.size() - kEnding.size()) != kEnding) {
    return false;
  }
  const std::string_view numbers = name.substr(prefix.size(), name.size() - prefix.size() - kEnding.size());
  const std::size_t dash = numbers.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash + 1 == numbers.size()) return false;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i != dash && (numbers[i] < '0' || numbers[i] > '9')) return false;
  }
  return true;
}

}  // namespace qv
