#include <windows.h>

#include "ui/win32/window_program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return qv::win32::RunWindowProgram(instance); }
