#pragma once
// Whether the tests run under Wine, whose command interpreter and process
// creation fall short of Windows in two places the batches rely on: "2>&1"
// before a pipe leaves standard error out of the pipe, and a new process
// does not take the idle priority class of its creator.

#include <windows.h>

namespace qv::testing {

inline bool RunningUnderWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace qv::testing
