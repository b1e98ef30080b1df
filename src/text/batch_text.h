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

// For the unquoted "@echo" lines: a caret before each ^ & | < > (the caret
// first), and each "%" doubled.
std::string BatchEcho(std::string_view text);

}  // namespace qv
