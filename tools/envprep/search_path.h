#pragma once
// What envprep.exe writes into envprep.bat: one line that sets PATH to the
// search path of text/search_path.h.
//
// The line holds the complete new PATH as literal text (not "%PATH%"), so the
// folders of the current PATH are neither expanded a second time nor doubled
// when several batches run one after another.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "text/search_path.h"

namespace qv::tools {

// The batch line, with CR LF, that sets PATH to `path` exactly: '%' doubled,
// and ^ & | < > ( ) " each behind a caret, so that cmd.exe reads every
// character literally.
std::string SetPathLine(std::string_view path);

// The fallback for a PATH too long for one literal line: `front` is put
// before the PATH that the batch has when it calls envprep.bat, with that
// PATH's double quotes taken out so that none of it can end the quoting.
std::string PrependPathLine(const std::vector<std::string>& front);

// cmd.exe reads at most this many characters of one line.
inline constexpr std::size_t kLongestBatchLine = 8191;

// The whole of envprep.bat: the literal line, or the fallback when the
// literal line would be longer than cmd.exe reads.
std::string EnvprepBatchText(const std::vector<std::string>& front, std::string_view currentPath);

}  // namespace qv::tools
