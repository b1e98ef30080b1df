#pragma once
// Names as Windows compares them: without regard to letter case, by the
// system's own upper-case table ("ФАЙЛ.avi" and "файл.avi", "Ǎ" and "ǎ" name
// one file). The table, upper_case_table.inc, is generated from the system's
// call by scripts/make_case_table.sh.

#include <string>
#include <string_view>

namespace qv {

// One UTF-16 unit upper-cased as Windows upper-cases names; surrogates and
// units without a capital stay as they are.
char16_t UpperCaseUnit(char16_t unit);

// `utf8` with every UTF-16 unit upper-cased by UpperCaseUnit; bytes that are
// no UTF-8 stay as they are, apart from the ASCII letters. Two names that
// Windows takes for one give the same text.
std::string FoldCase(std::string_view utf8);

// `path` without the long-path prefix ("\\?\C:\x" is "C:\x",
// "\\?\UNC\server\share" is "\\server\share") and without a trailing
// "::$DATA" (a file's unnamed stream is the file): the same file's name.
std::string WithoutAliases(std::string_view path);

// The key under which Windows knows the file `path`, made without asking the
// system: the full path (separators as "\", "." and ".." resolved, a path
// from the drive's root, from a drive's current folder or relative to
// `currentFolder` completed as Windows completes it, trailing dots and
// blanks of the name dropped), WithoutAliases, in FoldCase. `currentFolder` is a full path.
std::string PortablePathKey(std::string_view path, std::string_view currentFolder);

}  // namespace qv
