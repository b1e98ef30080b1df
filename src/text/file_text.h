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
}  // namespace qv
