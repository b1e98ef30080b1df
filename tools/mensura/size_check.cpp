#include "mensura/size_check.h"

#include <cstdio>

#include "common/number_text.h"

namespace qv::tools {

namespace {

std::string FormatBound(double megabytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", megabytes);
  return text;
}

std::string RangeText(const SizeCheckRequest& request) {
  return FormatBound(request.minMegabytes) + ".." + FormatBound(request.maxMegabytes) + " MB";
}

}  // namespace

std::string SizeCheckUsage() {
  return "usage: mensura.exe MIN MAX FILE  (sizes in MB of 1,048,576 bytes; exit code 0 when "
         "FILE's size lies within MIN..MAX, 1 when outside or missing, 2 for a wrong call)";
}

SizeCheckArguments ParseSizeCheckArguments(const std::vector<std::string>& args) {
  if (args.size() != 3) {
    return {std::nullopt, "expected 3 arguments, got " + std::to_string(args.size())};
  }
  const auto min = ParseDecimal(args[0]);
  if (!min) return {std::nullopt, "MIN \"" + args[0] + "\" is not a number of megabytes"};
  const auto max = ParseDecimal(args[1]);
  if (!max) return {std::nullopt, "MAX \"" + args[1] + "\" is not a number of megabytes"};
  if (*min > *max) return {std::nullopt, "MIN " + args[0] + " is above MAX " + args[1]};
  if (args[2].empty()) return {std::nullopt, "FILE is empty"};
  return {SizeCheckRequest{*min, *max, args[2]}, {}};
}

SizeVerdict JudgeSize(std::optional<std::uint64_t> bytes, double minMegabytes, double maxMegabytes) {
  if (!bytes) return SizeVerdict::Missing;
  // 1,048,576 is a power of two, so the products are exact and the compare
  // is as precise as the bounds themselves.
  const double size = static_cast<double>(*bytes);
  const bool inside = size >= minMegabytes * kBytesPerMegabyte && size <= maxMegabytes * kBytesPerMegabyte;
  return inside ? SizeVerdict::Inside : SizeVerdict::Outside;
}

std::string DescribeSizeCheck(const SizeCheckRequest& request, std::optional<std::uint64_t> bytes,
                              SizeVerdict verdict) {
  const std::string subject = "mensura: \"" + request.file + "\"";
  switch (verdict) {
    case SizeVerdict::Missing:
      return subject + " not found, taken as outside " + RangeText(request);
    case SizeVerdict::Inside:
      return subject + " is " + FormatMegabytes(*bytes) + " MB (" + std::to_string(*bytes) + " bytes), inside " +
             RangeText(request);
    case SizeVerdict::Outside:
      break;
  }
  return subject + " is " + FormatMegabytes(*bytes) + " MB (" + std::to_string(*bytes) + " bytes), outside " +
         RangeText(request);
}

int SizeCheckExitCode(SizeVerdict verdict) { return verdict == SizeVerdict::Inside ? 0 : 1; }

}  // namespace qv::tools
