#pragma once
// The whole life of the windowed program: build the window, start up, run
// the message loop, end.

#include <windows.h>

namespace qv::win32 {

// Returns the process exit code.
int RunWindowProgram(HINSTANCE instance);

}  // namespace qv::win32
