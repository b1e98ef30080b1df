#pragma once
// The texts that the program writes and later reads back: the lines that
// open each job (its input, output and mode, echoed after a caption), which
// tell the jobs of a list apart and the files they take, and the first line
// of a wrapper script, which names the source that it stands for. Each is
// written and read here only.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/script_dialect.h"
#include "form/form.h"

namespace qv {

enum class JobEcho { Input, Output, Mode };

// The three lines that open the job on `form` in `dialect`: "Input:",
// "Output:" and "Encode Mode:", each followed by its field's text.
std::vector<std::string> JobEchoLines(const Form& form, ScriptDialect dialect);

// The text that the batch line `line` echoes as `echo`, as the field held
// it; nullopt when `line` is no such line.
std::optional<std::string> JobEchoed(std::string_view line, JobEcho echo);

// True when `line` is the first line of a job in a batch.
bool StartsJob(std::string_view line);

// A wrapper script for `source`: two lines, the source's path and the
// import of the include script `includeScript` (without ".avs").
std::string WrapperText(const std::string& source, const std::string& includeScript);

// The source that a wrapper script's text names on its first line; nullopt
// for any other text.
std::optional<std::string> WrapperTextSource(std::string_view text);

// True for the extension of an AviSynth script ("avs" in any case).
bool IsAviSynthExtension(std::string_view extension);

}  // namespace qv
