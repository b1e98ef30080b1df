#pragma once
// One job as a script of its own, in either dialect: the same steps as the
// job's lines in the whole batch, its own search path, and an exit status of
// 0 only when the job's final output exists.

#include <optional>
#include <string>
#include <vector>

#include "commands/script_dialect.h"
#include "commands/x264_syntax.h"
#include "form/form.h"
#include "platform/platform.h"

namespace qv {

struct JobScript {
  std::string text;         // the script but its end (JobScriptBytes); empty when refused
  std::string refusal;      // why the dialect cannot run the job, naming the setting
  std::string finalOutput;  // the file the job ends with
  int passes = 0;           // x264 runs, a conditional one included
};

// The job on the form (its fields filled as for AddJob). The command
// interpreter's script carries the job's batch lines in x264's `syntax`;
// the shell's reads the source itself with today's x264 (the only syntax
// that builds for POSIX systems read), so the input field must name the
// source, not a wrapper. `folders` go before the search path; `title` is the
// script's first comment; `missingFolders` are made before the first step
// (MissingJobFolders).
JobScript MakeJobScript(const Form& form, X264Syntax syntax, ScriptDialect dialect,
                        const std::vector<std::string>& folders, const std::string& title,
                        const std::vector<std::string>& missingFolders);

// The command interpreter's script of a job's batch lines, ending with
// `finalOutput`.
std::string CommandJobScript(const std::vector<std::string>& lines, const std::string& finalOutput,
                             const std::vector<std::string>& folders, const std::string& title);

// The bytes of a job's script `text` with the dialect's end; nullopt when
// the command interpreter's text holds what no code page carries.
std::optional<std::string> JobScriptBytes(std::string text, ScriptDialect dialect, platform::CodePages& codePages);

// The file the job on the form ends with: the merged Matroska file, the
// audio file of an audio-only job, the statistics of a first pass alone,
// else the output.
std::string FinalOutput(const Form& form);

}  // namespace qv
