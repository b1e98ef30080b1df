#pragma once
// UTF-8 text in a code page of the system, character for character.

#include <optional>
#include <string>
#include <string_view>

namespace qv::platform {

// `utf8` in code page `codePage`, or nullopt when a character has no exact
// form there: never a best-fit neighbour ("e" for "é") or a default
// character ("?").
std::optional<std::string> ToCodePage(unsigned codePage, std::string_view utf8);

// Bytes in code page `codePage` as UTF-8.
std::string FromCodePage(unsigned codePage, std::string_view bytes);

}  // namespace qv::platform
