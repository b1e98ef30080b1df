// snooze.exe MILLISECONDS: the pause at the start of a started batch, during
// which the program lowers the batch's priority.

#include <windows.h>

#include <string>

#include "common/console_text.h"
#include "common/number_text.h"

int wmain(int argc, wchar_t** argv) {
  // INFINITE is the largest DWORD, so the longest real wait is one below it.
  constexpr std::uint64_t kLongest = 0xFFFFFFFEu;
  const std::vector<std::string> args = qv::tools::Utf8Arguments(argc, argv);
  const auto milliseconds = args.size() == 1 ? qv::tools::ParseWholeNumber(args[0]) : std::nullopt;
  if (!milliseconds || *milliseconds > kLongest) {
    qv::tools::Say("usage: snooze.exe MILLISECONDS  (a whole number from 0 to " + std::to_string(kLongest) + ")\r\n");
    return 1;
  }
  Sleep(static_cast<DWORD>(*milliseconds));
  return 0;
}
