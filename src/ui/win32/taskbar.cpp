#include "ui/win32/taskbar.h"

#include <shobjidl.h>

namespace qv::win32 {
namespace {

// Made at the first use; COM stays initialised on this thread from then on.
ITaskbarList3* Taskbar() {
  static ITaskbarList3* taskbar = [] {
    ITaskbarList3* made = nullptr;
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) ||
        FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                reinterpret_cast<void**>(&made))) ||
        FAILED(made->HrInit())) {
      if (made) made->Release();
      return static_cast<ITaskbarList3*>(nullptr);
    }
    return made;
  }();
  return taskbar;
}

}  // namespace

void ShowTaskbarProgress(HWND window, TaskbarState state, double fraction) {
  ITaskbarList3* taskbar = Taskbar();
  if (!taskbar) return;
  constexpr ULONGLONG kSteps = 1000;
  switch (state) {
    case TaskbarState::None:
      taskbar->SetProgressState(window, TBPF_NOPROGRESS);
      return;
    case TaskbarState::Running:
      taskbar->SetProgressState(window, TBPF_NORMAL);
      break;
    case TaskbarState::Paused:
      taskbar->SetProgressState(window, TBPF_PAUSED);
      break;
    case TaskbarState::Failed:
      taskbar->SetProgressState(window, TBPF_ERROR);
      break;
  }
  taskbar->SetProgressValue(window, static_cast<ULONGLONG>(fraction * kSteps), kSteps);
}

}  // namespace qv::win32
