#pragma once
// A window's text in the program's UTF-8.

#include <windows.h>

#include <string>

namespace qv::platform {

std::string WindowText(HWND window);
void WriteWindowText(HWND window, const std::string& text);

}  // namespace qv::platform
