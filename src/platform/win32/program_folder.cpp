#include <windows.h>

#include "platform/platform.h"
#include "text/wide_text.h"

namespace qv::platform {

std::string ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return ".\\";
    // A full buffer means the name was cut short: try again with more room.
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t separator = path.find_last_of(L"\\/");
  if (separator == std::wstring::npos) return ".\\";
  return Narrow(path.substr(0, separator + 1));
}

std::string WorkingFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data());
    if (length == 0) return ".\\";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(length);
  }
  return Narrow(path.back() == L'\\' ? path : path + L"\\");
}

}  // namespace qv::platform
