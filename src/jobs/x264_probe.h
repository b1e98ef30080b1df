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
  std::string version;  // as it names itself ("0.164.3095"); "" when it did not
  int revision = 0;     // the third part of the version
};

// The program folder, its tools folder and the folders of envprep.txt, then
// PATH: the first x264.exe there, asked for its version once.
X264Build FindX264(const platform::Platform& platform);

// "x264 0.164.3095 baee400" -> {"0.164.3095", 3095}; nullopt for any other
// first line.
std::optional<X264Build> ParseX264Version(std::string_view output);

// Current from revision 1296 on; Classic for older builds, builds that did not
// tell their version, and when there is no x264.
X264Syntax SyntaxOf(const X264Build& build);

// What the window shows about the build: "x264 0.164.3095 in C:\tools".
std::string DescribeX264(const X264Build& build);

}  // namespace qv
