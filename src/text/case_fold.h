#pragma once
// Names as Windows compares them: without regard to letter case, in every
// script, not in ASCII alone ("ФАЙЛ.avi" and "файл.avi" name one file).

#include <string>
#include <string_view>

namespace qv {

// `utf8` with each capital letter of the scripts that the table of
// case_fold.cpp holds (Latin, Greek, Cyrillic, Armenian, fullwidth Latin)
// made small; everything else, and bytes that are no UTF-8, unchanged.
std::string FoldCase(std::string_view utf8);

}  // namespace qv
