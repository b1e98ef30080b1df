#pragma once
// The queue's progress on the main window's taskbar button (ITaskbarList3):
// green while it runs, yellow while paused, red once a job failed, none
// when no queue runs. Where the system has no such button, nothing shows.

#include <windows.h>

#include "ui/queue_taskbar.h"

namespace qv::win32 {

void ShowTaskbarProgress(HWND window, TaskbarState state, double fraction);

}  // namespace qv::win32
