#pragma once
// Making texts safe where they are inserted into batch lines: cmd.exe
// expands "%" even inside double quotes, and unquoted echo text would run
// "&", "|", "<" and ">" as commands.

#include <string>
#include <string_view>

namespace qv {

// Each "%" doubled: for every path-derived text inserted into a batch line.
std::string BatchPath(std::string_view text);

// BatchPath between double quotes.
std::string BatchQuoted(std::string_view path);

// BatchQuoted for the command interpreter's own commands ("del", "if
// exist"), which fail on a path of the classic limit of 260 characters or
// more: such a path, when absolute, gets the "\\?\" form, which they take at
// any length. Shorter paths, and paths that form cannot name (relative, with
// "/" or a "." or ".." part), stay as BatchQuoted gives them.
std::string InterpreterQuoted(std::string_view path);

// For the unquoted "@echo" lines: a caret before each ^ & | < > (the caret
// first), and each "%" doubled.
std::string BatchEcho(std::string_view text);

// `text` (whole CR LF lines of UTF-8) for a console whose code page cannot
// carry it: the console switches to code page 65001 (Windows 10 and later
// read batch lines in it) before the first line that is not ASCII, after
// `remember` (lines that note the code page to go back to), and back to
// `codePage` (its number, or what the batch expands to it) after the last.
std::string SwitchedToUtf8(std::string_view text, std::string_view codePage, std::string_view remember = {});

// What cmd.exe reads in an "@echo" line's text (a caret stands for the
// character after it, "%%" for "%"): the text that BatchEcho was given.
std::string BatchUnechoed(std::string_view text);

// The path that a batch argument stands for (BatchPath, or BatchQuoted with
// its quotes): "%%" is "%".
std::string BatchUnquoted(std::string_view argument);

}  // namespace qv
