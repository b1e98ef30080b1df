#pragma once
// The job being prepared on the form: its input, output, stats and log
// fields, derived from a chosen input, and the AviSynth wrapper script that a
// non-AviSynth input gets.

#include <string>
#include <vector>

#include "commands/x264_syntax.h"
#include "form/form.h"
#include "jobs/taken_names.h"
#include "platform/platform.h"

namespace qv {

enum class WrapperOutcome { NotNeeded, Written, Failed };
struct DeriveResult {
  WrapperOutcome wrapper;
  std::string wrapperPath;         // set when a wrapper was due
  std::vector<std::string> paths;  // every path derived for the job
};

// Derives stats, log and output paths from the input field into the form;
// wraps a non-AviSynth input. `outputFolder` ends in a separator. When a
// path would be one that a job of another source in `taken` uses, the
// names get " (2)", " (3)", ... before the source's extension, the first
// that is free; a source that was added before keeps its names.
DeriveResult DeriveJobPaths(Form& form, const platform::Platform& platform, const std::string& outputFolder,
                            TakenNames& taken);

// The "..." button beside "Input file:". A cancelled dialog changes nothing.
DeriveResult PickInput(Form& form, const platform::Platform& platform);

// The "..." button beside "Output file:". A cancelled dialog changes nothing.
void PickOutput(Form& form, const platform::Platform& platform);

struct QueuedInputs {
  int jobsAdded = 0;
  std::vector<std::string> failedWrappers;  // wrappers that could not be written
  std::vector<std::string> refused;         // folders and unusable names, not added
};

// "Files input": an output folder, then several inputs, each derived and
// added as a job in x264's `syntax`.
QueuedInputs FilesInput(Form& form, const platform::Platform& platform, X264Syntax syntax);

// Files dropped on the window, in the order dropped: each as if picked with
// the "..." beside "Input file:" and added with "Add". The jobs enter the
// list in one insertion.
QueuedInputs DropFiles(Form& form, const platform::Platform& platform, const std::vector<std::string>& paths,
                       X264Syntax syntax);

}  // namespace qv
