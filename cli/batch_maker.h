#pragma once
// What quorvelan-cli does once its command line is parsed: the window's own
// operations on a form, driven by the options instead of a user.

#include <cstddef>
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
  bool batchWritten = false;          // with a failure: the batch was written all the same (its wrappers stay)
};

// A list of inputs is a path a line; one longer than this is no such list,
// from a file or from standard input.
inline constexpr std::size_t kInputListLimit = std::size_t{256} << 20;
inline constexpr const char* kInputListTooLarge = "is larger than 256 MiB";

MakeOutcome MakeBatch(const Options& options, const platform::Platform& platform);

}  // namespace qv::cli
