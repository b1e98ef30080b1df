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
  // By TaskbarState.
  constexpr TBPFLAG kFlags[] = {TBPF_NOPROGRESS, TBPF_NORMAL, TBPF_PAUSED, TBPF_ERROR};
  taskbar->SetProgressState(window, kFlags[static_cast<int>(state)]);
  if (state != TaskbarState::None) taskbar->SetProgressValue(window, static_cast<ULONGLONG>(fraction * kSteps), kSteps);
}

}  // namespace qv::win32
