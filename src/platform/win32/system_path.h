#pragma once
// The program's UTF-8 paths as the wide-character file functions take them.

#include <string>

namespace qv::platform {

// Beyond the classic 260-character limit an absolute path gets the "\\?\"
// form, which the file functions take at any length.
std::wstring SystemPath(const std::string& path);

}  // namespace qv::platform
