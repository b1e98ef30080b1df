#pragma once
// The job list's own file in the program folder, which keeps the queue
// across restarts, crashes and power cuts: one job-list line per line, UTF-8,
// each line ended by CR LF. The program writes it whole and atomically, so a
// file that breaks these rules is none that it wrote: it is damaged.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace qv {

// About 250,000 job-list lines; a file beyond it is damaged.
inline constexpr std::size_t kJobListSizeLimit = std::size_t{64} << 20;

// The program folder's "quorvelan-jobs.txt".
std::string JobListPath(const platform::Platform& platform);

// Damaged (with the reason, to follow the path in a message) when the file
// exists but cannot be read, is larger than the limit, holds a NUL byte, is
// not UTF-8, or its last line has no line end (it was cut short). A line
// end may also be a bare LF, as an editor may leave it.
enum class JobListStatus : std::uint8_t { Read, Missing, Damaged };
struct JobListFile {
  JobListStatus status = JobListStatus::Missing;
  std::vector<std::string> lines;
  std::string reason;
};
JobListFile ReadJobList(platform::FileSystem& files, const std::string& path);

// Replaces the file whole and atomically. False when nothing was written.
bool WriteJobList(platform::FileSystem& files, const std::string& path, const std::vector<std::string>& lines);

// Moves the damaged job-list file out of the way, to the first free name of
// "quorvelan-jobs.damaged.txt", "quorvelan-jobs.damaged-2.txt", ... beside
// it, so that no earlier damaged file is replaced. The new path, or "" when
// the file could not be moved.
std::string KeepDamagedJobListAside(const platform::Platform& platform);

}  // namespace qv
