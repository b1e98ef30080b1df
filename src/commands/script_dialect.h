#pragma once
// The two languages a job's script is written in: the Windows command
// interpreter's (cmd) and the POSIX shell's (sh). Every writer of job lines
// reads how a dialect writes a step, a check, a quote, a comment or a
// clean-up from this one table.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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
  // A job's steps between these two lines run only while "{output}",
  // quoted by `checkQuote`, is not there: a batch run again after an
  // interruption passes over the jobs that finished.
  const char* skipDoneStart;
  const char* skipDoneEnd;
};

const DialectSyntax& Dialect(ScriptDialect dialect);

// The dialect that --script NAME names.
std::optional<ScriptDialect> DialectNamed(std::string_view name);

}  // namespace qv
