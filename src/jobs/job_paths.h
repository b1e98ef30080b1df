#pragma once
// The job being prepared on the form: its input, output, stats and log
// fields, derived from a chosen input, and the AviSynth wrapper script that a
// non-AviSynth input gets.

#include <string>

#include "commands/x264_syntax.h"
#include "form/form.h"
#include "platform/platform.h"

namespace qv {

enum class WrapperOutcome { NotNeeded, Written, Failed };
struct DeriveResult {
  WrapperOutcome wrapper;
  std::string wrapperPath;  // set when a wrapper was due
};

// Derives stats, log and output paths from the input field into the form;
// wraps a non-AviSynth input. `outputFolder` ends in a separator.
DeriveResult DeriveJobPaths(Form& form, const platform::Platform& platform, const std::string& outputFolder);

// The "..." button beside "Input file:". A cancelled dialog changes nothing.
DeriveResult PickInput(Form& form, const platform::Platform& platform);

// The "..." button beside "Output file:". A cancelled dialog changes nothing.
void PickOutput(Form& form, const platform::Platform& platform);

struct FilesInputResult {
  int jobsAdded = 0;
  std::vector<std::string> failedWrappers;  // wrappers that could not be written
};

// "Files input": an output folder, then several inputs, each derived and
// added as a job in x264's `syntax`.
FilesInputResult FilesInput(Form& form, const platform::Platform& platform, X264Syntax syntax);

}  // namespace qv
