#pragma once
// Many inputs queued as jobs at once: "Files input", dropped files and the
// inputs of quorvelan-cli all go through QueueInputs.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "commands/x264_syntax.h"
#include "form/form.h"
#include "jobs/job_list.h"
#include "jobs/job_paths.h"
#include "platform/platform.h"

namespace qv {

struct RefusedInput {
  std::size_t index;  // among the inputs queued
  std::string input;  // as given
  UnusablePath unusable;
};
struct PendingWrapper {
  std::string path;
  std::string text;
};

struct QueuedInputs {
  int jobsAdded = 0;
  std::vector<std::string> failedWrappers;  // wrappers that could not be written
  std::vector<RefusedInput> refused;        // folders and inputs that a step cannot carry
  std::vector<std::string> missing;         // inputs that are not there (yet): queued all the same
  std::vector<std::string> gaveNoJob;       // inputs whose job has no lines
  std::vector<std::string> jobRefusals;     // what QueueHow::eachJob refused
  std::vector<PendingWrapper> pendingWrappers;  // with QueueHow::writeWrappersLater
  std::vector<std::string> folderSummary;   // what folders among the inputs brought and left out (FolderSummary)
};

// The window tells of every input it could not queue and queues the others;
// the command line stops at the first, having queued nothing.
enum class OnProblem { SkipInput, Stop };

struct QueueHow {
  OnProblem onProblem = OnProblem::SkipInput;
  Wrapping wrapping = Wrapping::NonAviSynth;
  // Called with each job on the form before its lines are queued: "" to
  // queue it, or why it cannot be (a problem like any other). May be empty.
  std::function<std::string(const std::string& input)> eachJob;
  // The wrappers of the queued jobs are left to the caller
  // (WritePendingWrappers), so that a run that ends in a refusal writes none.
  bool writeWrappersLater = false;
};

// Each input derived (its output in `outputFolder`, which ends in a
// separator, or beside the input when that is "") and added as a job in x264's
// `syntax`. Every input is looked at before any wrapper is written, and all
// lines go into the list at once: thousands of inputs must not cost a list
// update per job. With OnProblem::Stop the first problem ends the queue and
// the list stays as it was.
QueuedInputs QueueInputs(Form& form, const platform::Platform& platform, const std::vector<std::string>& inputs,
                         const std::string& outputFolder, X264Syntax syntax, const QueueHow& how);

// Writes the wrappers in order. On the first that cannot be written, those
// written before it are deleted again and its path is returned; "" when all
// are written.
std::string WritePendingWrappers(const platform::Platform& platform, const std::vector<PendingWrapper>& wrappers);

// "Files input": an output folder, then several inputs, each derived and
// added as a job in x264's `syntax`.
QueuedInputs FilesInput(Form& form, const platform::Platform& platform, X264Syntax syntax);

// Files dropped on the window, in the order dropped: each as if picked with
// the "..." beside "Input file:" and added with "Add"; a folder brings its
// video files (ExpandFolders), those of its subfolders when the user says
// so. The jobs enter the list in one insertion.
QueuedInputs DropFiles(Form& form, const platform::Platform& platform, const std::vector<std::string>& paths,
                       X264Syntax syntax);

}  // namespace qv
