#include "jobs/folder_inputs.h"

#include <algorithm>
#include <cctype>

#include "text/case_fold.h"
#include "text/path_parts.h"

namespace qv {
namespace {

// clang-format off
const std::vector<const char*> kVideoExtensions = {
  "avs",   // AviSynth script
  "avi",
  "mkv",
  "mp4",
  "m2ts",  // Blu-ray
  "ts",    // broadcast and camcorder transport streams
  "mov",
  "wmv",
  "mpg",
  "vob",   // DVD
  "webm",
  "y4m",   // raw YUV4MPEG
};
// clang-format on

// Names past this many are counted, not listed, in a summary line.
constexpr std::size_t kNamesShown = 10;

// The entries of `folder` that match `pattern`; nullopt when it cannot be
// listed. Some systems fail the listing of a folder where nothing matches.
std::optional<std::vector<platform::FolderEntry>> Listed(const platform::Platform& platform, const std::string& folder,
                                                         const std::string& pattern) {
  std::optional<std::vector<platform::FolderEntry>> entries = platform.files.ListFolder(folder, pattern);
  if (!entries && platform.files.FolderExists(folder.empty() ? platform.workingFolder : folder)) entries.emplace();
  return entries;
}

bool IsVideo(const std::string& name) {
  std::string extension(ExtensionPart(name));
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return std::any_of(kVideoExtensions.begin(), kVideoExtensions.end(),
                     [&extension](const char* known) { return extension == known; });
}

// As Windows lists a folder by name: letter case ignored.
void SortByName(std::vector<platform::FolderEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(), [](const platform::FolderEntry& a, const platform::FolderEntry& b) {
    return FoldCase(a.name) < FoldCase(b.name);
  });
}

void AddFolder(const platform::Platform& platform, const std::string& folder, bool recursive, FolderInputs& result) {
  std::optional<std::vector<platform::FolderEntry>> entries = Listed(platform, folder, "*");
  if (!entries) {
    result.unlisted.push_back(folder);
    return;
  }
  SortByName(*entries);
  const std::string prefix = WithTrailingSeparator(folder);
  std::vector<std::string> subfolders;
  for (const platform::FolderEntry& entry : *entries) {
    const std::string path = prefix + entry.name;
    if (entry.isFolder) {
      subfolders.push_back(path);
    } else if (IsVideo(entry.name)) {
      result.inputs.push_back(path);
      ++result.fromFolders;
    } else {
      result.leftOut.push_back(path);
    }
  }
  for (const std::string& subfolder : subfolders) {
    if (recursive) {
      AddFolder(platform, subfolder, recursive, result);
    } else {
      result.notEntered.push_back(subfolder);
    }
  }
}

std::string Names(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size() && i < kNamesShown; ++i) text += (i == 0 ? "" : ", ") + names[i];
  if (names.size() > kNamesShown) text += " and " + std::to_string(names.size() - kNamesShown) + " more";
  return text;
}

}  // namespace

const std::vector<const char*>& VideoExtensions() { return kVideoExtensions; }

bool HoldsSubfolders(const platform::Platform& platform, const std::vector<std::string>& inputs) {
  for (const std::string& input : inputs) {
    if (!platform.files.FolderExists(input)) continue;
    const auto entries = Listed(platform, input, "*");
    if (entries && std::any_of(entries->begin(), entries->end(),
                               [](const platform::FolderEntry& entry) { return entry.isFolder; })) {
      return true;
    }
  }
  return false;
}

FolderInputs ExpandFolders(const platform::Platform& platform, const std::vector<std::string>& inputs,
                           bool recursive) {
  FolderInputs result;
  result.inputs.reserve(inputs.size());
  for (const std::string& input : inputs) {
    if (platform.files.FolderExists(input)) {
      ++result.folders;
      AddFolder(platform, input, recursive, result);
    } else {
      result.inputs.push_back(input);
    }
  }
  return result;
}

bool HoldsWildcard(const std::string& path) { return FilePart(path).find_first_of("*?") != std::string_view::npos; }

std::optional<std::vector<std::string>> MatchingFiles(const platform::Platform& platform, const std::string& pattern) {
  const std::string folder(FolderPart(pattern));
  std::optional<std::vector<platform::FolderEntry>> entries = Listed(platform, folder, std::string(FilePart(pattern)));
  if (!entries) return std::nullopt;
  SortByName(*entries);
  std::vector<std::string> files;
  for (const platform::FolderEntry& entry : *entries) {
    if (!entry.isFolder) files.push_back(folder + entry.name);
  }
  return files;
}

std::vector<std::string> FolderSummary(const FolderInputs& expanded) {
  std::vector<std::string> lines;
  if (expanded.folders == 0) return lines;
  lines.push_back(std::string(expanded.folders == 1 ? "the folder" : "the folders") + " brought " + std::to_string(expanded.fromFolders) + " video file" +
                  (expanded.fromFolders == 1 ? "" : "s"));
  if (!expanded.leftOut.empty()) lines.push_back("left out, not a video file: " + Names(expanded.leftOut));
  if (!expanded.notEntered.empty()) lines.push_back("subfolders not looked into: " + Names(expanded.notEntered));
  if (!expanded.unlisted.empty()) lines.push_back("folders that could not be listed: " + Names(expanded.unlisted));
  return lines;
}

}  // namespace qv
