#include "commands/script_dialect.h"

#include <algorithm>
#include <iterator>

#include "text/batch_text.h"
#include "text/placeholders.h"
#include "text/shell_text.h"

namespace qv {
namespace {

// clang-format off
constexpr DialectSyntax kDialects[] = {
  {"cmd", "bat", "\r\n",
   "@setlocal DisableDelayedExpansion\r\n",
   "@rem ",
   "x264.exe", "nul", " 2>&1|teelog.exe ", BatchQuoted,
   "@echo {text}", BatchEcho,
   // Quoted whole, so that "&" or ")" in a folder stays part of it.
   "@set \"PATH={folders};%PATH%\"", ';', BatchPath,
   "@if exist {final} (set \"quorvelan_exit=0\") else set \"quorvelan_exit=1\"", InterpreterQuoted,
   "@exit /b %quorvelan_exit%\r\n",
   // "goto" looks for the label from its own line on, so the same label
   // after each of two equal jobs still ends the right one.
   // Quoted, the folder's "&" or ")" stays part of the echoed text.
   {"@if not exist {within} md {folder}",
    "@if not exist {within} (echo The folder {folder} cannot be made: the job is skipped.&goto {end})"},
   ":{end}",
   // The echo lines stay outside: a ")" in a name would close the block.
   {"@if not exist {output} type nul >{mark}", "@if exist {mark} ("}, {"@del {mark}", ")"}},
  {"sh", "sh", "\n",
   "#!/bin/sh\n",
   "# ",
   // x264 writes its log to the error stream; redirected, not piped, so the
   // script sees x264's own exit status.
   "x264", "/dev/null", " 2>>", ShellQuoted,
   // printf, not echo: some shells' echo reads backslashes in the text.
   "printf '%s\\n' {text}", ShellQuoted,
   "PATH={folders}:\"$PATH\"\nexport PATH", ':', ShellQuoted,
   "[ -e {final} ] || fail 'the final output is missing'", ShellQuoted, "exit 0\n",
   {"mkdir -p -- {folder} || fail \"the folder \"{folder}\" cannot be made\"", nullptr},
   nullptr,
   {"[ -e {output} ] || : >{mark}", "if [ -e {mark} ]; then"}, {"rm -f -- {mark}", "fi"}},
};
// clang-format on

// Beside the final output, named so that whoever finds it beside a broken-off
// file knows what it says.
constexpr std::string_view kUnfinishedMark = ".unfinished";

}  // namespace

SkipDoneBlock SkipDoneLines(const DialectSyntax& dialect, std::string_view finalOutput) {
  const std::string output = dialect.checkQuote(finalOutput);
  const std::string mark = dialect.checkQuote(std::string(finalOutput) + std::string(kUnfinishedMark));
  SkipDoneBlock block;
  for (const char* line : dialect.skipDoneStart) {
    block.start.push_back(FillPlaceholders(line, {{"{output}", output}, {"{mark}", mark}}));
  }
  for (const char* line : dialect.skipDoneEnd) block.end.push_back(FillPlaceholders(line, {{"{mark}", mark}}));
  return block;
}

const DialectSyntax& Dialect(ScriptDialect dialect) { return kDialects[static_cast<int>(dialect)]; }

std::optional<ScriptDialect> DialectNamed(std::string_view name) {
  const auto* found = std::find_if(std::begin(kDialects), std::end(kDialects),
                                   [name](const DialectSyntax& dialect) { return name == dialect.name; });
  if (found == std::end(kDialects)) return std::nullopt;
  return static_cast<ScriptDialect>(found - std::begin(kDialects));
}

}  // namespace qv
