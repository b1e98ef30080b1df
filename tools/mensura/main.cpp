// mensura.exe MIN MAX FILE: the size check between the passes of the
// conditional encode mode.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "mensura/size_check.h"

namespace {

std::optional<std::uint64_t> FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace qv::tools;
  const auto parsed = ParseSizeCheckArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.request) {
    std::fprintf(stderr, "mensura: %s\n%s\n", parsed.error.c_str(), SizeCheckUsage().c_str());
    return kSizeCheckUsageError;
  }
  const SizeCheckRequest& request = *parsed.request;
  const auto bytes = FileSize(request.file);
  const SizeVerdict verdict = JudgeSize(bytes, request.minMegabytes, request.maxMegabytes);
  std::printf("%s\n", DescribeSizeCheck(request, bytes, verdict).c_str());
  return SizeCheckExitCode(verdict);
}
