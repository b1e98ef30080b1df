#include "jobs/x264_probe.h"

#include <algorithm>

#include "text/leading_integer.h"
#include "text/path_parts.h"
#include "text/search_path.h"

namespace qv {
namespace {

// A build that takes longer than this to tell its version is not waited for.
constexpr unsigned kVersionTimeLimitMs = 3000;
// The core of revision 1296, the build that took today's option names
// (--b-pyramid with a mode, no --b-rdo).
constexpr int kFirstCurrentCore = 78;
// Core 65 (October 2008) dropped --bime and --b-rdo, core 68 --progress:
// from there to core 77 a build refuses parts of either syntax.
constexpr int kFirstUnsupportedCore = 65;

// A program folder that ends in "/" is a POSIX system's: there the program
// is "x264" and PATH is split at ':' (Windows: "x264.exe", ';').
bool IsPosix(const platform::Platform& platform) {
  return !platform.programFolder.empty() && platform.programFolder.back() == '/';
}

std::string WithSeparator(std::string folder, bool posix) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += posix ? '/' : '\\';
  return folder;
}

// The folders in the order the batch searches them: envprep puts its folders
// in front of PATH; without a usable envprep.txt it writes nothing, and the
// batch finds what its own folder and PATH hold.
std::vector<std::string> BatchSearchFolders(const platform::Platform& platform) {
  const platform::FileContent list = platform.files.ReadFile(platform.programFolder + "envprep.txt", kLongestFolderList);
  ToolFolders front = CollectToolFolders(platform.programFolder, list.bytes);
  if (list.status == platform::ReadStatus::TooLarge || !front.refusal.empty()) front.folders = {platform.programFolder};
  const std::string path = platform.processes.Environment("PATH");
  if (!IsPosix(platform)) return SearchFolders(front.folders, path);
  std::vector<std::string> folders = std::move(front.folders);
  // An empty entry names no folder that the batch would search.
  for (std::string_view rest = path;;) {
    const std::string_view folder = rest.substr(0, rest.find(':'));
    if (!folder.empty()) folders.emplace_back(folder);
    rest.remove_prefix(folder.size());
    if (rest.empty()) break;
    rest.remove_prefix(1);  // the colon
  }
  return folders;
}

}  // namespace

X264Build FindX264(const platform::Platform& platform) {
  const bool posix = IsPosix(platform);
  for (const std::string& folder : BatchSearchFolders(platform)) {
    const std::string path = WithSeparator(folder, posix) + (posix ? "x264" : "x264.exe");
    if (!platform.files.FileExists(path)) continue;
    const std::optional<std::string> output = platform.processes.Run(path, {"--version"}, kVersionTimeLimitMs);
    std::optional<X264Build> build = output ? ParseX264Version(*output) : std::nullopt;
    if (!build) build = X264Build{};
    build->path = path;
    return *build;
  }
  return {};
}

std::optional<X264Build> ParseX264Version(std::string_view output) {
  constexpr std::string_view kName = "x264 ";
  if (output.substr(0, kName.size()) != kName) return std::nullopt;
  std::string_view version = output.substr(kName.size());
  version = version.substr(0, version.find_first_of(" \t\r\n"));
  const std::size_t first = version.find('.');
  if (first == std::string_view::npos || first == 0) return std::nullopt;
  const std::string_view core = version.substr(first + 1, version.find('.', first + 1) - (first + 1));
  if (core.empty() || core.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  return X264Build{{}, std::string(version), LeadingInteger(core)};
}

X264Syntax SyntaxOf(const X264Build& build) {
  if (build.path.empty()) return X264Syntax::Current;
  return build.core >= kFirstCurrentCore ? X264Syntax::Current : X264Syntax::Classic;
}

std::string DescribeX264(const X264Build& build) {
  const std::string syntax = SyntaxOf(build) == X264Syntax::Current ? "syntax of 2010 and later builds"
                                                                     : "syntax of 2006-2008 builds";
  if (build.path.empty()) return "no x264.exe found: " + syntax + ", which every x264 of today reads";
  std::string_view folder = FolderPart(build.path);
  folder.remove_suffix(1);
  const std::string where = " in " + std::string(folder);
  if (build.version.empty()) return "x264 of unknown version" + where + ": " + syntax;
  const std::string found = "x264 " + build.version + where;
  if (build.core >= kFirstUnsupportedCore && build.core < kFirstCurrentCore) {
    return found + " is not supported (cores 65-77, builds of October 2008 to September 2009, refuse parts of "
                   "either syntax): " + syntax + " written";
  }
  return found + ": " + syntax;
}

}  // namespace qv
