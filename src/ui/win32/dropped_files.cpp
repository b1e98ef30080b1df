#include "ui/win32/dropped_files.h"

#include "text/wide_text.h"

namespace qv::win32 {

std::vector<std::string> TakeDroppedPaths(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
    paths.push_back(Narrow(name));
  }
  DragFinish(drop);
  return paths;
}

}  // namespace qv::win32
