#pragma once
// What envprep.exe writes into envprep.bat: one line that sets PATH so that
// the batch finds x264, the audio tools and the muxers by bare name.
//
// The line holds the complete new PATH as literal text (not "%PATH%"), so the
// folders of the current PATH are neither expanded a second time nor doubled
// when several batches run one after another.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv::tools {

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
// and lines starting with '#' skipped, relative folders taken from the program
// folder. A folder holding ';' cannot stand in PATH and is left out with a
// warning. A line with a control character or another double quote, or
// longer than any path, refuses the whole list.
ToolFolders CollectToolFolders(const std::string& programFolder, std::string_view listText);

// `front`, then every entry of `currentPath` that is not empty and not already
// in `front` (letter case, surrounding quotes and trailing backslashes
// ignored), joined by ';'.
std::string ComposeSearchPath(const std::vector<std::string>& front, std::string_view currentPath);

// The batch line, with CR LF, that sets PATH to `path` exactly: '%' doubled,
// and ^ & | < > ( ) " each behind a caret, so that cmd.exe reads every
// character literally.
std::string SetPathLine(std::string_view path);

// The fallback for a PATH too long for one literal line: `front` is put
// before the PATH that the batch has when it calls envprep.bat, with that
// PATH's double quotes taken out so that none of it can end the quoting.
std::string PrependPathLine(const std::vector<std::string>& front);

// cmd.exe reads at most this many characters of one line.
inline constexpr std::size_t kLongestBatchLine = 8191;

// The whole of envprep.bat: the literal line, or the fallback when the
// literal line would be longer than cmd.exe reads.
std::string EnvprepBatchText(const std::vector<std::string>& front, std::string_view currentPath);

// `text` (UTF-8) between a switch of the console to code page 65001 and the
// switch back to `codePage`, for a console whose code page cannot carry it.
std::string SwitchedToUtf8(std::string_view text, unsigned codePage);

}  // namespace qv::tools
