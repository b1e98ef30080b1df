#include <windows.h>

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

bool Win32Processes::SetIdlePriorityClass(std::uint32_t processId) {
  const HANDLE process = OpenProcess(PROCESS_SET_INFORMATION, FALSE, processId);
  if (process == nullptr) return false;
  const bool changed = SetPriorityClass(process, IDLE_PRIORITY_CLASS) != 0;
  CloseHandle(process);
  return changed;
}

}  // namespace qv::platform
