#include <unistd.h>

#include <climits>
#include <string>

#include "platform/platform.h"

namespace qv::platform {

std::string ProgramFolder() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (length <= 0) return "./";
  std::string folder(path, static_cast<std::size_t>(length));
  return folder.substr(0, folder.find_last_of('/') + 1);
}

std::string WorkingFolder() {
  char path[PATH_MAX];
  if (getcwd(path, sizeof path) == nullptr) return "./";
  const std::string folder = path;
  return folder.back() == '/' ? folder : folder + "/";
}

}  // namespace qv::platform
