#include "rateplan/bitrate_plan.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "common/number_text.h"
#include "text/text_lines.h"

namespace qv::tools {

namespace {

constexpr std::uint64_t kLongestSeconds = 9999ull * 3600;
constexpr double kLargestSize = 10000000.0;

}  // namespace

std::optional<std::uint32_t> ParseDuration(std::string_view text) {
  text = Trim(text);
  std::vector<std::uint64_t> fields;
  for (;;) {
    const auto colon = text.find(':');
    const auto field = ParseWholeNumber(text.substr(0, colon));
    if (!field) return std::nullopt;
    fields.push_back(*field);
    if (colon == std::string_view::npos) break;
    text.remove_prefix(colon + 1);
  }
  if (fields.size() > 3) return std::nullopt;
  // Every field after the first counts sixty of itself into the one before.
  std::uint64_t seconds = fields.front();
  if (seconds > kLongestSeconds) return std::nullopt;
  for (std::size_t i = 1; i < fields.size(); ++i) {
    if (fields[i] > 59) return std::nullopt;
    seconds = seconds * 60 + fields[i];
  }
  if (seconds == 0 || seconds > kLongestSeconds) return std::nullopt;
  return static_cast<std::uint32_t>(seconds);
}

std::string FormatDuration(std::uint32_t seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%u:%02u:%02u", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

std::optional<double> ParseTargetSize(std::string_view text) {
  const auto size = ParseDecimal(Trim(text));
  if (!size || *size <= 0 || *size > kLargestSize) return std::nullopt;
  return size;
}

std::int32_t VideoBitrateKbps(double sizeMegabytes, std::uint32_t seconds, std::int32_t audioKbps) {
  if (seconds == 0 || !(sizeMegabytes > 0)) return 0;
  const double totalKbps = std::floor(sizeMegabytes * 8 * 1048576 / 1000 / seconds);
  const double videoKbps = totalKbps - (audioKbps > 0 ? audioKbps : 0);
  if (videoKbps <= 0) return 0;
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(videoKbps < kMax ? videoKbps : kMax);
}

}  // namespace qv::tools
