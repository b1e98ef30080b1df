#pragma once
// Text inside the program is UTF-8; the system's wide-character interfaces
// take UTF-16 (UTF-32 where wchar_t is 32 bits). A lone surrogate, which a
// Windows file name may hold, travels as its three-byte form (WTF-8), so any
// name comes back unchanged.

#include <string>
#include <string_view>

namespace qv {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// True for well-formed UTF-8 (lone surrogates included, as Narrow writes them).
bool IsUtf8(std::string_view text);

}  // namespace qv
