#pragma once
// A folder among the inputs stands for the video files in it, and a name
// with "*" or "?" in its last part for the files it matches: each becomes
// those files, in name order.

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace qv {

// The extensions (without the dot, in lower case) of the files that a
// folder given as an input brings in.
const std::vector<const char*>& VideoExtensions();

struct FolderInputs {
  std::vector<std::string> inputs;       // the files, with the folders replaced by what they hold
  int folders = 0;                       // folders among the inputs
  int fromFolders = 0;                   // of them, the files that folders brought
  std::vector<std::string> leftOut;      // files in those folders that are no video
  std::vector<std::string> notEntered;   // subfolders not looked into
  std::vector<std::string> unlisted;     // folders that could not be listed
};

// True when a folder among `inputs` holds a folder of its own.
bool HoldsSubfolders(const platform::Platform& platform, const std::vector<std::string>& inputs);

// Each folder among `inputs` replaced by its video files, and, when
// `recursive`, by those of its subfolders after them.
FolderInputs ExpandFolders(const platform::Platform& platform, const std::vector<std::string>& inputs,
                           bool recursive);

// True when the last part of `path` holds "*" or "?".
bool HoldsWildcard(const std::string& path);

// The files that `pattern` (wildcards in its last part only) matches, in
// name order; nullopt when its folder cannot be listed.
std::optional<std::vector<std::string>> MatchingFiles(const platform::Platform& platform, const std::string& pattern);

// The summary of what folders brought and left out, one line each; empty
// when no folder was among the inputs.
std::vector<std::string> FolderSummary(const FolderInputs& expanded);

}  // namespace qv
