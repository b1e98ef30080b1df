#pragma once
// The status of every job of a running queue, read from the run channel's
// records (run_channel.h) and the files the jobs leave: what the queue view,
// the status bar, the title and the taskbar button show.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "jobs/queue_jobs.h"
#include "jobs/run_channel.h"
#include "jobs/x264_progress.h"

namespace qv {

enum class JobState { Running, Done, Failed, Stopped, Interrupted, Waiting };

struct JobStateRow {
  JobState state;
  const char* caption;  // as the queue view's status column shows it
  const char* meaning;  // as the user guide explains it
};
const std::vector<JobStateRow>& JobStateTable();
const JobStateRow& JobStateRowOf(JobState state);

struct JobStatus {
  JobState state = JobState::Waiting;
  int pass = 0;  // the step running or last run, from 1
  std::optional<X264Progress> progress;  // of that step
  std::int64_t startMs = -1, endMs = -1;  // -1: not yet
  std::vector<std::string> tail;          // a failed step's last lines
  std::string reason;                     // why it failed or stopped
  std::optional<std::uint64_t> outputSize;  // of the final output, once the job ended
  bool stepOpen = false;                    // a step began and has not ended
};

// The size of a file, nullopt when it is not there.
using FileSizeOf = std::function<std::optional<std::uint64_t>(const std::string& path)>;

class QueueWatch {
 public:
  QueueWatch(std::vector<QueueJob> jobs, FileSizeOf sizeOf);

  void Apply(const RunRecord& record, std::int64_t nowMs);
  // The batch process ended: every job it reached is settled.
  void BatchEnded(std::int64_t nowMs);
  // "Stop now": the running job is stopped, its output left as it is.
  void Stop(std::int64_t nowMs);
  // The state that a job was left in by an earlier run, or that the run
  // gives back to a job that it ended as soon as it began.
  void Restore(std::size_t job, JobState state) {
    status_[job] = JobStatus{};
    status_[job].state = state;
  }

  const std::vector<QueueJob>& Jobs() const { return jobs_; }
  const JobStatus& Status(std::size_t job) const { return status_[job]; }
  // The job running now, or Jobs().size().
  std::size_t Current() const { return current_; }

  // The status column: "running pass 1 of 2", "done", ...
  std::string StatusText(std::size_t job) const;
  std::int64_t ElapsedMs(std::size_t job, std::int64_t nowMs) const;
  // Seconds left, from the frames left and the measured rate; nullopt
  // (unknown) until a rate is measured.
  std::optional<std::int64_t> JobEtaSeconds(std::size_t job) const;
  std::optional<std::int64_t> QueueEtaSeconds() const;
  // The share of the queue's passes done, 0 to 1.
  double QueueFraction() const;
  // "3 done, 1 failed, 2 waiting — ETA 0:42:10" (ETA only while one runs).
  std::string Summary() const;

 private:
  void Settle(std::size_t job, std::int64_t nowMs);
  void SettleUpTo(std::size_t end, std::int64_t nowMs);

  std::vector<QueueJob> jobs_;
  std::vector<JobStatus> status_;
  FileSizeOf sizeOf_;
  std::size_t current_;
};

// "H:MM:SS".
std::string DurationText(std::int64_t seconds);

}  // namespace qv
