#include "platform/win32/system_path.h"

#include <windows.h>

#include "text/wide_text.h"

namespace qv::platform {
namespace {

// A folder's own limit leaves room for an 8.3 name inside it.
constexpr std::size_t kClassicLimit = MAX_PATH - 12;

}  // namespace

std::wstring SystemPath(const std::string& path) {
  std::wstring wide = Widen(path);
  if (wide.size() < kClassicLimit || wide.rfind(L"\\\\?\\", 0) == 0) return wide;
  // The long form takes no "." or ".." and no "/": the full path has none.
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return wide;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return wide;
  full.resize(length);
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

}  // namespace qv::platform
