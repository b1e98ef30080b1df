#pragma once
// The complete x264 command line of one pass of the job on the form.

#include <string>
#include <string_view>

#include "catalog/encode_modes.h"
#include "commands/script_dialect.h"
#include "commands/x264_syntax.h"
#include "form/form.h"

namespace qv {

// One line in `syntax`, without line end, for `passMode` (0..5, 8, 9, 12 or
// 13) with `rateValue` as the rate value. Reads the settings, the "Chroma
// ME" check box and the four job fields (input, output, stats, log) of the
// form; `output`, when not empty, stands for the output field. The command
// interpreter's line of a conditional pass starts with its condition; the
// shell's line is the bare command.
std::string BuildPassCommand(const Form& form, X264Syntax syntax, EncodeMode passMode, std::string_view rateValue,
                             ScriptDialect dialect = ScriptDialect::Cmd, std::string_view output = {});

// The size-check line between the passes of mode 13.
std::string SizeCheckCommand(const Form& form);

}  // namespace qv
