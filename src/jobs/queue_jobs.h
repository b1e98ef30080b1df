#pragma once
// The jobs of a job list as the queue view shows them: one per "@echo
// Input:" header, holding the lines up to the next header or shutdown line.
// Lines before the first header and the shutdown lines belong to no job.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct QueueJob {
  std::size_t firstLine = 0;  // the header's index in the job list
  std::size_t endLine = 0;    // one past the job's last line
  std::string input, output, mode;  // as the "@echo" lines show them
  int passes = 0;                   // x264 lines
  std::vector<std::string> logPaths;  // what each x264 line hands teelog.exe
  std::string finalOutput;            // the file the job leaves: the merge's, else x264's (its statistics for a first pass alone)
};

std::vector<QueueJob> SplitQueueJobs(const std::vector<std::string>& lines);

}  // namespace qv
