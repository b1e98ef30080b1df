#include "settings/file_aside.h"

namespace qv {

std::string MoveToFreeName(platform::FileSystem& files, const std::string& path, const std::string& stem,
                           const std::string& ending) {
  constexpr int kNames = 100;
  for (int number = 1; number <= kNames; ++number) {
    const std::string aside = stem + (number == 1 ? "" : "-" + std::to_string(number)) + ending;
    if (files.FileExists(aside)) continue;
    return files.RenameFile(path, aside) ? aside : std::string();
  }
  return {};
}

}  // namespace qv
