#include "jobs/x264_progress.h"

#include <cstdlib>
#include <string>

namespace qv {
namespace {

// Reads a decimal number at `at` (digits with an optional fraction) and
// moves past it; nullopt when none is there.
std::optional<double> Number(std::string_view line, std::size_t& at) {
  const std::size_t start = at;
  while (at < line.size() && line[at] >= '0' && line[at] <= '9') ++at;
  if (at == start) return std::nullopt;
  if (at + 1 < line.size() && line[at] == '.' && line[at + 1] >= '0' && line[at + 1] <= '9') {
    ++at;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9') ++at;
  }
  return std::strtod(std::string(line.substr(start, at - start)).c_str(), nullptr);
}

bool Skip(std::string_view line, std::size_t& at, std::string_view text) {
  if (line.substr(at, text.size()) != text) return false;
  at += text.size();
  return true;
}

// "F fps, K kb/s" at `at`.
bool RateFields(std::string_view line, std::size_t& at, X264Progress& progress) {
  const auto fps = Number(line, at);
  if (!fps || !Skip(line, at, " fps, ")) return false;
  const auto kbps = Number(line, at);
  if (!kbps || !Skip(line, at, " kb/s")) return false;
  progress.fps = *fps;
  progress.kbps = *kbps;
  return true;
}

}  // namespace

std::optional<X264Progress> ParseX264Progress(std::string_view line) {
  X264Progress progress;
  std::size_t at = 0;
  if (Skip(line, at, "[")) {
    const auto percent = Number(line, at);
    if (!percent || !Skip(line, at, "%] ")) return std::nullopt;
    progress.percent = *percent;
  }
  const auto frame = Number(line, at);
  if (!frame) return std::nullopt;
  progress.frame = static_cast<std::int64_t>(*frame);
  if (progress.percent >= 0) {
    const auto total = Skip(line, at, "/") ? Number(line, at) : std::nullopt;
    if (!total || !Skip(line, at, " frames, ")) return std::nullopt;
    progress.totalFrames = static_cast<std::int64_t>(*total);
  } else if (!Skip(line, at, " frames: ")) {
    return std::nullopt;
  }
  if (!RateFields(line, at, progress)) return std::nullopt;
  return progress;
}

std::optional<X264Progress> ParseX264Summary(std::string_view line) {
  X264Progress summary;
  std::size_t at = 0;
  if (!Skip(line, at, "encoded ")) return std::nullopt;
  const auto frames = Number(line, at);
  if (!frames || !Skip(line, at, " frames, ") || !RateFields(line, at, summary)) return std::nullopt;
  summary.frame = summary.totalFrames = static_cast<std::int64_t>(*frames);
  summary.percent = 100;
  return summary;
}

}  // namespace qv
