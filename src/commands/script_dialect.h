#pragma once
// The two languages a job's script is written in: the Windows command
// interpreter's (cmd) and the POSIX shell's (sh). Every writer of job lines
// reads how a dialect writes a step, a check, a quote, a comment or a
// clean-up from this one table.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

enum class ScriptDialect : std::uint8_t { Cmd, Sh };

struct DialectSyntax {
  const char* name;       // as --script takes it
  const char* extension;  // of a job's script
  const char* lineEnd;
  const char* scriptStart;  // the script's first lines
  const char* comment;      // starts a line for the reader only
  const char* x264;         // the program that starts an x264 line
  const char* nullOutput;   // where a pass without output writes
  const char* logTo;        // between an x264 line and its quoted log file
  std::string (*quote)(std::string_view path);
  // A text shown while the script runs: "{text}", quoted by `echoQuote`.
  const char* echo;
  std::string (*echoQuote)(std::string_view text);
  // The search path: "{folders}" joined by `folderSeparator`, each quoted
  // by `folderQuote`; a folder holding the separator cannot stand in it.
  const char* searchPath;
  char folderSeparator;
  std::string (*folderQuote)(std::string_view folder);
  // Whether "{final}" exists, then the script's very end, which exits with
  // 0 only when it does. The command interpreter's end stands after the
  // line that restores the console's code page (BatchBytes), so that a
  // UTF-8 script leaves the console as it found it.
  const char* finalCheck;
  std::string (*checkQuote)(std::string_view path);
  const char* scriptEnd;
  // The lines that make the folder "{folder}" before a job's first step
  // when it is missing; "{within}" is the folder with a separator after it,
  // both quoted by `checkQuote`. A folder that cannot be made ends the job
  // with a message naming it: the command interpreter's lines jump past the
  // steps to the line `jobEnd` with the label "{end}".
  const char* makeFolder[2];
  const char* jobEnd;
  // A job's steps between these lines run only while "{output}" is not
  // there, or while the mark "{mark}" beside it says that a run was broken
  // off before the job's end and the file may be partial; both quoted by
  // `checkQuote`. A batch run again passes over the jobs that finished.
  const char* skipDoneStart[2];
  const char* skipDoneEnd[2];
};

// The lines around the steps of a job that is skipped when `finalOutput` is
// there and whole: the mark is made before the first step and removed after
// the last.
struct SkipDoneBlock {
  std::vector<std::string> start;
  std::vector<std::string> end;
};
SkipDoneBlock SkipDoneLines(const DialectSyntax& dialect, std::string_view finalOutput);

const DialectSyntax& Dialect(ScriptDialect dialect);

// The dialect that --script NAME names.
std::optional<ScriptDialect> DialectNamed(std::string_view name);

}  // namespace qv
