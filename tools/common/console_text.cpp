#include "common/console_text.h"

#include "platform/win32/win32_platform.h"
#include "text/wide_text.h"

namespace qv::tools {

std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(Narrow(argv[i]));
  return arguments;
}

void Say(std::string_view text, bool error) { platform::WriteStandardText(text, error); }

}  // namespace qv::tools
