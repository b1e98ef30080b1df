#pragma once
// x264's progress and summary lines, as --progress prints them:
//   "[37.5%] 150/400 frames, 24.51 fps, 1234.56 kb/s, eta 0:00:10"
//   "150 frames: 24.51 fps, 1234.56 kb/s"            (frame count unknown)
//   "encoded 400 frames, 24.51 fps, 1234.56 kb/s"    (the closing summary)
// Newer builds put more fields between kb/s and eta; they are skipped.

#include <cstdint>
#include <optional>
#include <string_view>

namespace qv {

struct X264Progress {
  std::int64_t frame = 0;
  std::int64_t totalFrames = 0;  // 0: unknown
  double percent = -1;           // -1: unknown
  double fps = 0;
  double kbps = 0;
};

// nullopt for any other line.
std::optional<X264Progress> ParseX264Progress(std::string_view line);

// The closing summary's frame count, fps and kb/s.
std::optional<X264Progress> ParseX264Summary(std::string_view line);

}  // namespace qv
