#include "text/path_parts.h"

namespace qv {
namespace {

constexpr std::string_view kSeparators = "\\/";

// Position just past the last separator; 0 when there is none.
std::size_t FileStart(std::string_view path) {
  const std::size_t last = path.find_last_of(kSeparators);
  return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

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

}  // namespace qv
