#pragma once
// The decision of the size check that sits between the two passes of the
// conditional encode mode: exit code 0 lets the batch skip the second pass,
// anything else makes it run, so a second pass is never skipped by mistake.
// 1 means outside or missing, 2 arguments that make no check.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv::tools {

inline constexpr double kBytesPerMegabyte = 1048576.0;

struct SizeCheckRequest {
  double minMegabytes;
  double maxMegabytes;
  std::string file;
};

struct SizeCheckArguments {
  std::optional<SizeCheckRequest> request;  // nullopt: `error` says why
  std::string error;
};

// Reads MIN MAX FILE (the arguments after the program name).
SizeCheckArguments ParseSizeCheckArguments(const std::vector<std::string>& args);

std::string SizeCheckUsage();

enum class SizeVerdict { Inside, Outside, Missing };

// `bytes` is nullopt when the file does not exist. Both bounds belong to the
// range.
SizeVerdict JudgeSize(std::optional<std::uint64_t> bytes, double minMegabytes, double maxMegabytes);

// The one line that the tool prints, without a line end.
std::string DescribeSizeCheck(const SizeCheckRequest& request, std::optional<std::uint64_t> bytes,
                              SizeVerdict verdict);

int SizeCheckExitCode(SizeVerdict verdict);

inline constexpr int kSizeCheckUsageError = 2;

}  // namespace qv::tools
