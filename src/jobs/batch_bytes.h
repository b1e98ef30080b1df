#pragma once
// A batch's text as the bytes that the command interpreter is to read. It
// reads each line in the console's code page, which is the machine's OEM
// code page unless changed: a batch that is all ASCII stays as it is, one
// that the OEM code page carries is written in it, and any other is written
// in UTF-8 with the console switched to it (SwitchedToUtf8), restoring the
// code page that it found after its last line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace qv {

// The first line of every batch: with delayed expansion off, a "!" in a
// name stays a "!" whatever the machine's default. The scope it opens also
// keeps the batch's variables to itself. A batch that runs to its end closes
// it with kBatchCloseLine; one that leaves through "exit /b" has it closed by
// the interpreter. Left open, each batch that one interpreter calls would
// stack one more scope, and the interpreter allows only a few dozen.
inline constexpr std::string_view kBatchOpenLine = "@setlocal DisableDelayedExpansion\r\n";
inline constexpr std::string_view kBatchCloseLine = "@endlocal\r\n";

// `text` is whole CR LF lines; `last` (ASCII) stays the very end, after the
// restoring line: kBatchCloseLine, and the line of a batch that deletes
// itself, after which the interpreter must not read on. nullopt when the
// text holds what no code page carries: bytes that are no UTF-8, or a lone
// surrogate.
std::optional<std::string> BatchBytes(std::string text, std::string_view last, platform::CodePages& codePages);

// Writes the BatchBytes of `head` (whole CR LF lines) and `lines`, each with
// CR LF after it, ending in `last`, to the file `path` (FileSystem::
// WriteFile). A batch that is all ASCII, as most are, goes to the file as it
// is looked at, line by line, without being joined first.
// False when nothing was written.
bool WriteBatchBytes(platform::FileSystem& files, platform::CodePages& codePages, const std::string& path,
                     std::string_view head, const std::vector<std::string>& lines, std::string_view last);

// Writes `text` to the file `path` (FileSystem::WriteFile) line by line,
// without joining it first.
bool WriteLinesText(platform::FileSystem& files, const std::string& path, const platform::LinesText& text);

// True when `text` can stand in a UTF-8 batch or script as it is.
bool Utf8Carries(std::string_view text);

}  // namespace qv
