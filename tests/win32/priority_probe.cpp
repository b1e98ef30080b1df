// Test fixture, never shipped: a job line of a started batch runs it, and it
// writes down the priority class of its own process and of the process that
// started it (the batch's command interpreter), so that the window test can
// see whether the batch runs at idle priority.

#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>

namespace {

DWORD ParentProcessId() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  DWORD parent = 0;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
  }
  CloseHandle(snapshot);
  return parent;
}

DWORD PriorityClassOf(DWORD processId) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return 0;
  const DWORD priority = GetPriorityClass(process);
  CloseHandle(process);
  return priority;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::FILE* out = std::fopen(argv[1], "wb");
  if (!out) return 1;
  std::fprintf(out, "self=%lu parent=%lu\n", static_cast<unsigned long>(GetPriorityClass(GetCurrentProcess())),
               static_cast<unsigned long>(PriorityClassOf(ParentProcessId())));
  return std::fclose(out) == 0 ? 0 : 1;
}
