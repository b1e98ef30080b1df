#pragma once
// The x264 that a batch will run, looked for where the batch finds it, and
// the option syntax that build reads.

#include <optional>
#include <string>
#include <string_view>

#include "commands/x264_syntax.h"
#include "platform/platform.h"

namespace qv {

struct X264Build {
  std::string path;     // "" when there is none
  std::string version;  // as it names itself ("0.164.3095", "0.78.x"); "" when it did not
  int core = 0;         // the second part of the version: every build tells it, with git or without
};

// The program folder, its tools folder and the folders of envprep.txt, then
// PATH: the first x264.exe there, asked for its version once.
X264Build FindX264(const platform::Platform& platform);

// "x264 0.164.3095 baee400" -> {"0.164.3095", core 164}; "x264 0.78.x" (a
// build made without git) -> {"0.78.x", 78}; nullopt for any other first line.
std::optional<X264Build> ParseX264Version(std::string_view output);

// Which syntax "auto" writes for a build. Core 78 (revision 1296) and later
// read the current syntax, and so does any x264 a user can get today, which
// is what a batch that found none will meet. Cores up to 64 and builds that
// did not tell their version read the classic one. Cores 65 to 77 refuse
// parts of either: they get the classic syntax and are not supported.
X264Syntax SyntaxOf(const X264Build& build);

// The whole story for the window and the command line: the build found, the
// syntax written and why, e.g. "x264 0.164.3095 in C:\tools: syntax of 2010
// and later builds".
std::string DescribeX264(const X264Build& build);

}  // namespace qv
