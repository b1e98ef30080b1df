#pragma once
// Filling the named places of a command text.

#include <initializer_list>
#include <string>
#include <string_view>

namespace qv {

struct Placeholder {
  std::string_view name;  // with its braces: "{audio}"
  std::string_view value;
};

// `pattern` with each named place replaced by its value; text between braces
// that names no place stays as it is.
std::string FillPlaceholders(std::string_view pattern, std::initializer_list<Placeholder> places);

}  // namespace qv
