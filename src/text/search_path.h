#pragma once
// The search path of a batch: the folders where it finds x264, the audio
// tools and the muxers by bare name. envprep.exe sets it; the program looks
// for x264 along it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct ToolFolders {
  std::vector<std::string> folders;   // in search order
  std::vector<std::string> warnings;  // one line each, for standard error
  std::string refusal;                // why the list cannot be used, naming its line; "" when it can
};

// envprep.txt lists a few folders; a larger file is no such list.
inline constexpr std::size_t kLongestFolderList = 1 << 20;
// No Windows path is longer.
inline constexpr std::size_t kLongestFolderLine = 32767;

// The program folder (ending in a backslash), its "tools" subfolder, then the
// folders of `listText` (the content of envprep.txt): one per line, blanks
// around them and one pair of surrounding double quotes ignored, empty lines
// and lines starting with '#' skipped whatever they hold, relative folders
// taken from the program folder. A folder holding ';' cannot stand in PATH and
// is left out with a warning. Any other line with a control character or
// another double quote, or longer than any path, refuses the whole list.
ToolFolders CollectToolFolders(const std::string& programFolder, std::string_view listText);

// `front`, then every entry of `currentPath` that is not empty and not already
// in `front` (letter case, surrounding quotes and trailing backslashes
// ignored), joined by ';'.
std::string ComposeSearchPath(const std::vector<std::string>& front, std::string_view currentPath);

// The folders of ComposeSearchPath in their order, without surrounding quotes.
std::vector<std::string> SearchFolders(const std::vector<std::string>& front, std::string_view currentPath);

}  // namespace qv
