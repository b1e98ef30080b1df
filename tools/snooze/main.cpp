// snooze.exe MILLISECONDS: the pause at the start of a started batch, during
// which the program lowers the batch's priority.

#include <windows.h>

#include <cstdio>

#include "common/number_text.h"

int main(int argc, char** argv) {
  // INFINITE is the largest DWORD, so the longest real wait is one below it.
  constexpr std::uint64_t kLongest = 0xFFFFFFFEu;
  const auto milliseconds = argc == 2 ? qv::tools::ParseWholeNumber(argv[1]) : std::nullopt;
  if (!milliseconds || *milliseconds > kLongest) {
    std::fprintf(stderr, "usage: snooze.exe MILLISECONDS  (a whole number from 0 to %llu)\n",
                 static_cast<unsigned long long>(kLongest));
    return 1;
  }
  Sleep(static_cast<DWORD>(*milliseconds));
  return 0;
}
