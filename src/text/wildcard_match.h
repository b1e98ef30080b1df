#pragma once
// Matching a file name against a folder-listing pattern.

#include <string_view>

namespace qv {

// "*" matches any run of characters, "?" any one; letters match without
// regard to ASCII case, as the system's folder listing matches them.
bool WildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace qv
