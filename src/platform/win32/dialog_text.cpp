#include "platform/win32/dialog_text.h"

#include <algorithm>

#include "text/path_parts.h"

namespace qv::platform {

std::string DialogFilter(const std::string& filter) {
  std::string pairs = filter;
  std::replace(pairs.begin(), pairs.end(), '|', '\0');
  // One NUL ends the last item and one the list; std::string keeps a third.
  pairs.append(2, '\0');
  return pairs;
}

std::vector<std::string> SelectedPaths(std::string_view buffer) {
  std::vector<std::string> items;
  while (!buffer.empty() && buffer.front() != '\0') {
    const std::size_t end = std::min(buffer.find('\0'), buffer.size());
    items.emplace_back(buffer.substr(0, end));
    buffer.remove_prefix(std::min(end + 1, buffer.size()));
  }
  if (items.size() <= 1) return items;

  const std::string folder = WithTrailingSeparator(items.front());
  std::vector<std::string> paths;
  paths.reserve(items.size() - 1);
  for (std::size_t i = 1; i < items.size(); ++i) paths.push_back(folder + items[i]);
  return paths;
}

}  // namespace qv::platform
