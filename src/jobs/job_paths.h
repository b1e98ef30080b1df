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

// Ready: the wrapper's text is to be written (WriteWrapper); Unchanged: its
// file holds that text already. NoIncludeScript: the source needs a wrapper,
// and no include script is chosen for it to import (the avsinc folder holds
// none).
enum class WrapperOutcome { NotNeeded, Ready, Unchanged, Written, Failed, NoIncludeScript };
struct DeriveResult {
  WrapperOutcome wrapper = WrapperOutcome::NotNeeded;
  std::string wrapperPath;               // set with a wrapper; the avsinc folder for NoIncludeScript
  std::string wrapperText;               // set with a wrapper
  std::string source;                    // the input as it was on the form
  std::vector<std::string> reads;        // the files that the job only reads: its source and wrapper
  std::vector<std::string> writes;       // every file that the job writes
  std::optional<UnusablePath> unusable;  // a job added at once that cannot be
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
// names a non-AviSynth input's wrapper and puts it into the input field
// without writing it. `outputFolder` ends in a separator. Each file that
// the job writes (with its companions: the statistics file's, the output's
// audio and merged files) takes the first of its name, then " (2)",
// " (3)", ... before the source's extension, that no job of `taken` reads or
// writes and that is not the source; a wrapper also the first whose file is
// missing or holds the same text. A source that a job of `taken` writes is
// refused (kWrittenSourceReason). A job added at once that FindUnusablePath
// refuses gets no wrapper, and neither does a source whose path UTF-8 cannot
// carry (the form is left as it is). The stats and log paths of a job
// without a wrapper (a shell script's) take "/" after the program folder,
// all others "\". A job added at once runs an x264 of `syntax`.
DeriveResult DeriveJobPaths(Form& form, const platform::Platform& platform, const std::string& outputFolder,
                            TakenNames& taken, JobUse use, Wrapping wrapping = Wrapping::NonAviSynth,
                            X264Syntax syntax = X264Syntax::Current);

// Writes a Ready wrapper; when it cannot, the input field names the source
// again. False when the wrapper is not there.
bool WriteWrapper(Form& form, const platform::Platform& platform, DeriveResult& derived);

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

// The files that the job on the form writes under the output's name
// `output`: the output, and with audio the audio file and a Matroska merge's
// file.
std::vector<std::string> OutputFiles(const Form& form, const std::string& output);

// A file that the job on the form would write (output, statistics file, log
// and their companions, as far as its lines use them) and that is its own
// source or input, or that a job of the list reads or writes. Paths typed by
// hand are never renamed: such a job is refused.
std::optional<UnusablePath> FindClashingPath(const Form& form, const platform::Platform& platform);

inline constexpr const char* kOwnSourceReason = "would write over the job's own source";
inline constexpr const char* kWrittenSourceReason = "is a file that a job in the list writes";
inline constexpr const char* kTakenReason = "would write a file that a job in the list already reads or writes";

// The "..." button beside "Output file:". A cancelled dialog changes nothing.
void PickOutput(Form& form, const platform::Platform& platform);

}  // namespace qv
