#include <windows.h>

#include "platform/platform.h"

namespace qv::platform {

std::string ProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return ".\\";
    // A full buffer means the name was cut short: try again with more room.
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t separator = path.find_last_of("\\/");
  if (separator == std::string::npos) return ".\\";
  return path.substr(0, separator + 1);
}

std::string WorkingFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(path.size()), path.data());
    if (length == 0) return ".\\";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(length);
  }
  return path.back() == '\\' ? path : path + "\\";
}

}  // namespace qv::platform
