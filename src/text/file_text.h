#pragma once
// The text of a file that the program reads (configs, the state file, lists)
// as the UTF-8 that the program works in.

#include <functional>
#include <string>
#include <string_view>

namespace qv {

// The system's reading of bytes in the ANSI code page, as UTF-8.
using AnsiDecoder = std::function<std::string(std::string_view)>;

// UTF-8 stays as it is, after a byte-order mark; a file that is no UTF-8 is
// an older one, written in the ANSI code page. In a file that a byte-order
// mark declares UTF-8, only the bytes that are no UTF-8 are read in that
// code page. No byte is ever lost or replaced.
std::string TextAsUtf8(std::string_view bytes, const AnsiDecoder& fromAnsi);

// Moves the file `path` that the program cannot read out of the way, to the
// first free name of `stem` + `ending`, `stem` + "-2" + `ending`, ... (a
// hundred of them), so that no earlier such file is replaced. The new path,
// or "" when it could not be moved.
std::string MoveToFreeName(platform::FileSystem& files, const std::string& path, const std::string& stem,
                           const std::string& ending);

}  // namespace qv
