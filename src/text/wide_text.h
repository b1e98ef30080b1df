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

// The same in UTF-16 wherever the program runs.
std::u16string ToUtf16(std::string_view utf8);
std::string FromUtf16(std::u16string_view utf16);

// True for well-formed UTF-8 (lone surrogates included, as Narrow writes them).
bool IsUtf8(std::string_view text);

// The length of the well-formed sequence that starts at `at`, or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

bool IsAscii(std::string_view text);

// True when well-formed `text` holds a lone surrogate, which a Windows name
// may hold but no UTF-8 reader outside this program takes.
bool HoldsLoneSurrogate(std::string_view text);

}  // namespace qv
