#pragma once
// What quorvelan-cli does once its command line is parsed: the window's own
// operations on a form, driven by the options instead of a user.

#include <string>
#include <vector>

#include "options.h"
#include "platform/platform.h"

namespace qv::cli {

struct MakeOutcome {
  int exitStatus = 0;
  std::string error;           // one line, when exitStatus is not 0
  std::string standardOutput;  // the batch bytes for "--bat -"
  std::vector<std::string> warnings;  // one line each, for standard error
  std::vector<std::string> notes;     // what the user should know that is no fault: the x264 that "auto" found
};

MakeOutcome MakeBatch(const Options& options, const platform::Platform& platform);

}  // namespace qv::cli
