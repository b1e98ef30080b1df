#include <windows.h>

#include "platform/win32/win32_platform.h"
#include "text/wide_text.h"

namespace qv::platform {

std::optional<std::uint32_t> Win32Processes::Start(const std::string& commandLine,
                                                   const std::string& workingFolder) {
  // CreateProcessW may write into the command line, so it gets a copy.
  std::wstring line = Widen(commandLine);
  const std::wstring folder = Widen(workingFolder);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS,
                      nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    return std::nullopt;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<std::uint32_t>(process.dwProcessId);
}

void Win32Processes::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

bool Win32Processes::SetIdlePriorityClass(std::uint32_t processId) {
  const HANDLE process = OpenProcess(PROCESS_SET_INFORMATION, FALSE, processId);
  if (process == nullptr) return false;
  const bool changed = SetPriorityClass(process, IDLE_PRIORITY_CLASS) != 0;
  CloseHandle(process);
  return changed;
}

}  // namespace qv::platform
