// mensura.exe MIN MAX FILE: the size check between the passes of the
// conditional encode mode.

#include <windows.h>

#include <string>
#include <vector>

#include "common/console_text.h"
#include "mensura/size_check.h"
#include "platform/win32/system_path.h"

namespace {

// The size of a file at any path length.
std::optional<std::uint64_t> FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(qv::platform::SystemPath(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using namespace qv::tools;
  const auto parsed = ParseSizeCheckArguments(Utf8Arguments(argc, argv));
  if (!parsed.request) {
    Say("mensura: " + parsed.error + "\r\n" + SizeCheckUsage() + "\r\n");
    return kSizeCheckUsageError;
  }
  const SizeCheckRequest& request = *parsed.request;
  const auto bytes = FileSize(request.file);
  const SizeVerdict verdict = JudgeSize(bytes, request.minMegabytes, request.maxMegabytes);
  Say(DescribeSizeCheck(request, bytes, verdict) + "\r\n", false);
  return SizeCheckExitCode(verdict);
}
