#pragma once
// The lines of a text file as the program reads them (configs, lists,
// envprep.txt, the job list's file).

#include <string_view>
#include <vector>

namespace qv {

// Drops the UTF-8 byte-order mark that may open `bytes`; true when there was one.
bool SkipByteOrderMark(std::string_view& bytes);

// Each line without its line end ("\n" or "\r\n"). A last line without a
// line end is a line as well; a text that ends in one has no empty line after it.
std::vector<std::string_view> SplitLines(std::string_view text);

// `text` without the blanks and tabs around it.
std::string_view Trim(std::string_view text);

}  // namespace qv
