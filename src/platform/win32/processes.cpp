#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>

#include "platform/win32/win32_platform.h"
#include "text/wide_text.h"

namespace qv::platform {
namespace {

// One argument as the C runtime of the started program splits it again:
// quoted, with backslashes doubled before a quote and each quote escaped.
std::string QuotedArgument(const std::string& argument) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

// Appends what the pipe holds now, without waiting for more.
void TakeAvailable(HANDLE pipe, std::string& output) {
  DWORD available = 0;
  while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    char buffer[4096];
    DWORD got = 0;
    if (!ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) || got == 0) return;
    if (output.size() < kMaxProgramOutput) output.append(buffer, got);
  }
}

}  // namespace

Win32Processes::~Win32Processes() {
  for (const auto& job : jobs_) CloseHandle(job.second);
}

void* Win32Processes::JobHandle(std::uint32_t job) const {
  const auto found = jobs_.find(job);
  return found == jobs_.end() ? nullptr : found->second;
}

std::optional<std::uint32_t> Win32Processes::Start(const std::string& commandLine, const std::string& workingFolder,
                                                   const std::string& variable, const std::string& value) {
  const HANDLE job = CreateJobObjectW(nullptr, nullptr);
  if (job == nullptr) return std::nullopt;
  // The child takes a copy of this program's environment, with the variable
  // set only for as long as the call takes.
  const std::wstring name = Widen(variable), before = Widen(Environment(variable));
  SetEnvironmentVariableW(name.c_str(), Widen(value).c_str());
  // CreateProcessW may write into the command line, so it gets a copy.
  std::wstring line = Widen(commandLine);
  const std::wstring folder = Widen(workingFolder);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  // Suspended until it is in the job, so that nothing it starts escapes it.
  const bool started =
      CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE,
                     CREATE_NEW_CONSOLE | IDLE_PRIORITY_CLASS | CREATE_SUSPENDED | CREATE_UNICODE_ENVIRONMENT, nullptr,
                     folder.empty() ? nullptr : folder.c_str(), &startup, &process) != 0;
  SetEnvironmentVariableW(name.c_str(), before.empty() ? nullptr : before.c_str());
  if (!started) {
    CloseHandle(job);
    return std::nullopt;
  }
  // The class is set again for systems that do not take it from the flags.
  SetPriorityClass(process.hProcess, IDLE_PRIORITY_CLASS);
  if (!AssignProcessToJobObject(job, process.hProcess)) {
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(job);
    return std::nullopt;
  }
  ResumeThread(process.hThread);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  jobs_[nextJob_] = job;
  return nextJob_++;
}

bool Win32Processes::Running(std::uint32_t job) {
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
  const HANDLE handle = JobHandle(job);
  return handle && QueryInformationJobObject(handle, JobObjectBasicAccountingInformation, &accounting,
                                             sizeof accounting, nullptr) &&
         accounting.ActiveProcesses > 0;
}

void Win32Processes::End(std::uint32_t job) {
  if (const HANDLE handle = JobHandle(job)) TerminateJobObject(handle, 1);
}

void Win32Processes::Pause(std::uint32_t job, bool paused) {
  const HANDLE handle = JobHandle(job);
  if (!handle) return;
  // Room for more processes than a batch runs at once.
  struct {
    JOBOBJECT_BASIC_PROCESS_ID_LIST list;
    ULONG_PTR more[255];
  } ids{};
  ids.list.NumberOfAssignedProcesses = 256;
  if (!QueryInformationJobObject(handle, JobObjectBasicProcessIdList, &ids, sizeof ids, nullptr)) return;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    const ULONG_PTR* first = ids.list.ProcessIdList;
    const ULONG_PTR* last = first + ids.list.NumberOfProcessIdsInList;
    if (std::find(first, last, static_cast<ULONG_PTR>(entry.th32OwnerProcessID)) == last) continue;
    if (const HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID)) {
      if (paused) {
        SuspendThread(thread);
      } else {
        ResumeThread(thread);
      }
      CloseHandle(thread);
    }
  }
  CloseHandle(snapshot);
}

void Win32Processes::Release(std::uint32_t job) {
  if (const HANDLE handle = JobHandle(job)) CloseHandle(handle);
  jobs_.erase(job);
}

std::int64_t Win32Processes::NowMs() { return static_cast<std::int64_t>(GetTickCount64()); }

bool Win32Processes::Power(PowerAction action) {
  if (action != PowerAction::ShutDown) {
    // powrprof.dll is loaded only for this one call.
    using SetSuspendStateFunction = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);
    const HMODULE library = LoadLibraryW(L"powrprof.dll");
    const auto suspend =
        library ? reinterpret_cast<SetSuspendStateFunction>(GetProcAddress(library, "SetSuspendState")) : nullptr;
    return suspend && suspend(action == PowerAction::Hibernate, FALSE, FALSE);
  }
  // Shutting down needs the privilege, which a process holds but has off.
  HANDLE token = nullptr;
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
      AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    CloseHandle(token);
  }
  return ExitWindowsEx(EWX_SHUTDOWN | EWX_POWEROFF, SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_FLAG_PLANNED) != 0;
}

std::optional<std::string> Win32Processes::Run(const std::string& program, const std::vector<std::string>& arguments,
                                               unsigned timeoutMs) {
  std::string line = QuotedArgument(program);
  for (const std::string& argument : arguments) line += " " + QuotedArgument(argument);

  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return std::nullopt;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  // CreateProcessW may write into the command line, so it gets a copy.
  std::wstring wideLine = Widen(line);
  const bool started = CreateProcessW(Widen(program).c_str(), wideLine.data(), nullptr, nullptr, TRUE,
                                      CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process) != 0;
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    return std::nullopt;
  }
  CloseHandle(process.hThread);

  // The pipe is emptied while waiting, so that a talkative program never
  // blocks on a full pipe.
  std::string output;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  bool ended = false;
  while (!ended && GetTickCount64() < deadline) {
    TakeAvailable(readEnd, output);
    ended = WaitForSingleObject(process.hProcess, 5) == WAIT_OBJECT_0;
  }
  TakeAvailable(readEnd, output);
  if (!ended) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hProcess);
  CloseHandle(readEnd);
  if (!ended) return std::nullopt;
  output.resize(output.size() < kMaxProgramOutput ? output.size() : kMaxProgramOutput);
  return output;
}

std::string Win32Processes::Environment(const std::string& name) {
  const std::wstring wideName = Widen(name);
  const DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
  value.resize(length < size ? length : 0);
  return Narrow(value);
}

}  // namespace qv::platform
