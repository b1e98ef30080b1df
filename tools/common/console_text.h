#pragma once
// The tools' texts as the wide-character API has them: their arguments in,
// their messages out.

#include <string>
#include <string_view>
#include <vector>

namespace qv::tools {

// The arguments after the program's name, as UTF-8.
std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv);

// Writes UTF-8 text to standard output or standard error (`error`): a
// console shows every character of it, a file or a pipe gets the bytes.
void Say(std::string_view text, bool error = true);

}  // namespace qv::tools
