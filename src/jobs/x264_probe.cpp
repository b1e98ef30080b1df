#include "jobs/x264_probe.h"

#include "text/leading_integer.h"
#include "text/path_parts.h"
#include "text/search_path.h"

namespace qv {
namespace {

constexpr const char* kProgram = "x264.exe";
// A build that takes longer than this to tell its version is not waited for.
constexpr unsigned kVersionTimeLimitMs = 3000;
// The build that took today's option names (--b-pyramid with a mode, no --b-rdo).
constexpr int kFirstCurrentRevision = 1296;

std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return folder;
}

// The folders in the order the batch searches them: envprep puts its folders
// in front of PATH; without a usable envprep.txt it writes nothing, and the
// batch finds what its own folder and PATH hold.
std::vector<std::string> BatchSearchFolders(const platform::Platform& platform) {
  const platform::FileContent list = platform.files.ReadFile(platform.programFolder + "envprep.txt", kLongestFolderList);
  ToolFolders front = CollectToolFolders(platform.programFolder, list.bytes);
  if (list.status == platform::ReadStatus::TooLarge || !front.refusal.empty()) front.folders = {platform.programFolder};
  return SearchFolders(front.folders, platform.processes.Environment("PATH"));
}

}  // namespace

X264Build FindX264(const platform::Platform& platform) {
  for (const std::string& folder : BatchSearchFolders(platform)) {
    const std::string path = WithSeparator(folder) + kProgram;
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
  const std::size_t second = first == std::string_view::npos ? first : version.find('.', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  return X264Build{{}, std::string(version), LeadingInteger(version.substr(second + 1))};
}

X264Syntax SyntaxOf(const X264Build& build) {
  return build.revision >= kFirstCurrentRevision ? X264Syntax::Current : X264Syntax::Classic;
}

std::string DescribeX264(const X264Build& build) {
  if (build.path.empty()) return "no x264.exe found";
  std::string_view folder = FolderPart(build.path);
  folder.remove_suffix(1);
  return "x264 " + (build.version.empty() ? std::string("of unknown version") : build.version) + " in " +
         std::string(folder);
}

}  // namespace qv
