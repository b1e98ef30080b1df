#pragma once
// Texts inserted into POSIX shell lines: between single quotes the shell
// expands nothing, so a name can never run as a command or match files.

#include <string>
#include <string_view>

namespace qv {

// `text` between single quotes, each ' in it written as '\''.
std::string ShellQuoted(std::string_view text);

}  // namespace qv
