#pragma once
// Keeping a file that the program cannot read, under a name of its own.

#include <string>

#include "platform/platform.h"

namespace qv {

// Moves the file `path` that the program cannot read out of the way, to the
// first free name of `stem` + `ending`, `stem` + "-2" + `ending`, ... (a
// hundred of them), so that no earlier such file is replaced. The new path,
// or "" when it could not be moved.
std::string MoveToFreeName(platform::FileSystem& files, const std::string& path, const std::string& stem,
                           const std::string& ending);

}  // namespace qv
