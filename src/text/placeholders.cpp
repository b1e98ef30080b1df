#include "text/placeholders.h"

namespace qv {

std::string FillPlaceholders(std::string_view pattern, std::initializer_list<Placeholder> places) {
  std::string text;
  text.reserve(pattern.size() + 128);
  while (!pattern.empty()) {
    const Placeholder* found = nullptr;
    if (pattern.front() == '{') {
      for (const Placeholder& place : places) {
        if (pattern.substr(0, place.name.size()) == place.name) found = &place;
      }
    }
    if (found) {
      text += found->value;
      pattern.remove_prefix(found->name.size());
    } else {
      text += pattern.front();
      pattern.remove_prefix(1);
    }
  }
  return text;
}

}  // namespace qv
