#include <windows.h>

#include "platform/win32/win32_platform.h"

namespace qv::platform {
namespace {

// Sleep, hibernation and shutdown are refused to a process whose token has
// the shutdown privilege but has not enabled it.
bool EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  const bool enabled = LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid) &&
                       AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
                       GetLastError() == ERROR_SUCCESS;
  CloseHandle(token);
  return enabled;
}

}  // namespace

bool Win32Power::Suspend(bool hibernate) {
  // powrprof.dll is loaded only by the rare run that ends in a sleep.
  const HMODULE library = LoadLibraryW(L"powrprof.dll");
  if (!library) return false;
  using SetSuspendStateFunction = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);
  const auto setSuspendState =
      reinterpret_cast<SetSuspendStateFunction>(reinterpret_cast<void*>(GetProcAddress(library, "SetSuspendState")));
  const bool suspended = setSuspendState && EnableShutdownPrivilege() && setSuspendState(hibernate, FALSE, FALSE);
  FreeLibrary(library);
  return suspended;
}

bool Win32Power::ShutDown() {
  return EnableShutdownPrivilege() &&
         ExitWindowsEx(EWX_POWEROFF | EWX_FORCEIFHUNG, SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_FLAG_PLANNED);
}

}  // namespace qv::platform
