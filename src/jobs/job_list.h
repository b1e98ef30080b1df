#pragma once
// The job list on the "Job" tab: one entry per batch line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/encode_modes.h"
#include "commands/script_dialect.h"
#include "commands/x264_syntax.h"
#include "form/form.h"
#include "platform/platform.h"

namespace qv {

// True for a path that no batch line may take: it holds a double quote or a
// control character, or starts with "-" (which a program reads as an option).
bool IsUnusablePath(std::string_view path);

// A job field whose path the job cannot use as it is:
// - a path that no batch line may take (IsUnusablePath);
// - it is no UTF-8 or holds a lone surrogate: no batch or script carries it;
// - its file name is a device's (IsDeviceName), for every kind of input;
// - in a batch's job whose x264 reads `batchSyntax`, some step cannot carry
//   the path exactly as it reads its command line (catalog/argument_readings.h):
//   a character that the ANSI code page lacks, for a step that reads it; a
//   "^" for bepipe.exe. The path is then the one that step reads (the audio
//   file, say, made from the output) and the reason names the step and the
//   character.
// Only the fields and steps that the job's lines use are looked at. The
// shell's scripts (`batchSyntax` nullopt) hand every program its bytes.
struct UnusablePath {
  ControlId field;
  const char* name;  // the field's caption
  std::string text;
  std::string reason;  // to follow the caption and the path in a message
};
std::optional<UnusablePath> FindUnusablePath(const Form& form, platform::CodePages& codePages,
                                             std::optional<X264Syntax> batchSyntax);

inline constexpr const char* kNoUtf8Reason = "holds a character that no batch or script can carry";

// The folders that the job on the form writes into (its output's, and its
// statistics' and log's where it writes them) that do not exist now, each
// once, without the separator at their end. A relative folder is looked for
// in the program folder, where the batch runs.
std::vector<std::string> MissingJobFolders(const Form& form, const platform::Platform& platform);

// The lines that make `folders` before a job's first step in `dialect`
// (script_dialect.h); `end` is the label of the job's end where the dialect
// jumps to one.
std::vector<std::string> MakeFolderLines(ScriptDialect dialect, const std::vector<std::string>& folders,
                                         const std::string& end);

// The lines one job on the form gives (the three "@echo" lines, the lines
// that make `missingFolders`, the passes in x264's `syntax`, size check,
// audio and mux lines, and the label that a folder not made jumps to).
// Empty when the input or output field is empty or a path holds what no
// batch line may take. Changes nothing on the form.
std::vector<std::string> JobLines(const Form& form, X264Syntax syntax,
                                  const std::vector<std::string>& missingFolders = {});

inline constexpr const char* kShutdownLine = "shutdown.exe -s -f -t 30";

// Puts a job's lines at the end of the job list, but before the shutdown
// lines that end it: the machine goes off after the last job.
void QueueJobLines(Form& form, std::vector<std::string> lines);

// Queues JobLines (QueueJobLines) with the folders missing now and empties
// the four job fields. False (and nothing changed) when there are no lines.
bool AddJob(Form& form, X264Syntax syntax, const platform::Platform& platform);

// As AddJob, but the lines go to `lines` instead of the list, so that many
// jobs can enter the list in one insertion.
bool AppendJobLines(Form& form, X264Syntax syntax, const platform::Platform& platform,
                    std::vector<std::string>& lines);

// The lines of one pass: the x264 line, then the audio and mux lines when
// audio is on and the pass writes the output.
void AddPassLines(const Form& form, X264Syntax syntax, EncodeMode passMode, const std::string& rateValue,
                  std::vector<std::string>& lines);

// The Job-tab buttons. Each does nothing when it has nothing to work on. A
// moved line stays selected, so that repeated presses keep moving it.
void AppendShutdown(Form& form);
void ClearJobs(Form& form);
void DeleteSelectedJobLine(Form& form);
void MoveSelectedJobLineUp(Form& form);
void MoveSelectedJobLineDown(Form& form);

}  // namespace qv
