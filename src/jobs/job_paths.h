#pragma once
// The job being prepared on the form: its input, output, stats and log
// fields, derived from a chosen input, and the AviSynth wrapper script that a
// non-AviSynth input gets.

#include <optional>
#include <string>
#include <vector>

#include "commands/x264_syntax.h"
#include "form/form.h"
#include "jobs/job_list.h"
#include "jobs/taken_names.h"
#include "platform/platform.h"

namespace qv {

// NoIncludeScript: the source needs a wrapper, and no include script is
// chosen for it to import (the avsinc folder holds none).
enum class WrapperOutcome { NotNeeded, Written, Failed, NoIncludeScript };
struct DeriveResult {
  WrapperOutcome wrapper;
  std::string wrapperPath;                 // set when a wrapper was written or failed; the avsinc folder for NoIncludeScript
  std::vector<std::string> paths;          // every path derived for the job
  std::optional<UnusablePath> unusable;    // a job added at once that cannot be
};

// Whether the job goes into the list at once ("Files input", the command
// line) or first stays on the form, where the user may still change what
// its paths must meet (audio on or off, say).
enum class JobUse { AddedAtOnce, EditedFirst };

// Whether a source that is no AviSynth script gets a wrapper script that the
// input field names (for the command interpreter's batches), or the input
// stays the source (for the shell's scripts, whose x264 reads it).
enum class Wrapping { NonAviSynth, None };

// Derives stats, log and output paths from the input field into the form;
// wraps a non-AviSynth input. `outputFolder` ends in a separator. When a
// path would be one that a job of another source in `taken` uses, or the
// output (or the Matroska file that the form's muxer would merge it into)
// would be the source itself, the names get
// " (2)", " (3)", ... before the source's extension, the first that is
// free; a source that was added before keeps its names. A job added
// at once that FindUnusablePath refuses gets no wrapper, and neither does a
// source whose path UTF-8 cannot carry (the form is left as it is). The
// input field names the wrapper once it is written; while it is not, the
// source. The stats and log paths of a job without a wrapper (a shell
// script's) take "/" after the program folder, all others "\". A job added
// at once runs an x264 of `syntax`.
DeriveResult DeriveJobPaths(Form& form, const platform::Platform& platform, const std::string& outputFolder,
                            TakenNames& taken, JobUse use, Wrapping wrapping = Wrapping::NonAviSynth,
                            X264Syntax syntax = X264Syntax::Current);

// The "..." button beside "Input file:". A cancelled dialog changes nothing.
DeriveResult PickInput(Form& form, const platform::Platform& platform);

// "Add": the input field as typed is taken as if picked with "...": the
// output, statistics and log fields left empty are derived, a source that is
// not an AviSynth script gets its wrapper; an empty input or a folder is
// refused. What the user typed into the other fields stays.
DeriveResult PrepareAddedJob(Form& form, const platform::Platform& platform);

inline constexpr const char* kFolderReason = "is a folder";
inline constexpr const char* kNoIncludeScriptReason =
    "is no AviSynth script, and there is no include script to open it: put one into the avsinc folder beside "
    "quorvelan.exe and press \"Refresh\"";

// The "..." button beside "Output file:". A cancelled dialog changes nothing.
void PickOutput(Form& form, const platform::Platform& platform);

}  // namespace qv
