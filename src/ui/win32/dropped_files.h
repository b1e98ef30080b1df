#pragma once
// The names of the files dropped on the window (WM_DROPFILES).

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace qv::win32 {

// The dropped names in the order of the drop; frees the drop.
std::vector<std::string> TakeDroppedPaths(HDROP drop);

}  // namespace qv::win32
