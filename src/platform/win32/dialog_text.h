#pragma once
// The text formats of the common file dialogs, kept apart from the calls so
// that they can be checked on their own.

#include <string>
#include <string_view>
#include <vector>

namespace qv::platform {

// "Text|*.txt|All|*.*" becomes "Text\0*.txt\0All\0*.*\0\0": the pairs as
// NUL-terminated strings and an empty one to end the list.
std::string DialogFilter(const std::string& filter);

// The paths that an open dialog leaves in its buffer: one full path, or (when
// several files were chosen) their folder followed by their names, every item
// NUL-terminated and the list ended by an empty item. The buffer's end also
// ends the list.
std::vector<std::string> SelectedPaths(std::string_view buffer);

}  // namespace qv::platform
