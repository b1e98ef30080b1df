#pragma once
// The queue that "Start" started, as the window watches it: the records that
// arrive on its run channel (jobs/run_channel.h), read into each job's status
// (jobs/queue_status.h), and whether a process of its job still runs. The
// window asks Poll on a timer; everything else happens in the batch.

#include <cstdint>
#include <string>
#include <vector>

#include "jobs/queue_status.h"
#include "platform/platform.h"

namespace qv {

class QueueRun {
 public:
  // `job`, `batch` and `channel` as StartBatch gave them; `jobs` from the
  // job list that the batch was written from.
  // `kept`: the states KeptStates gave, one a job.
  QueueRun(const platform::Platform& platform, std::uint32_t job, std::string batch, std::string channel,
           std::vector<QueueJob> jobs, const std::vector<JobState>& kept);

  // Takes the records that arrived. Once no process of the batch runs: the
  // last records, every job settled, the batch and its channel deleted.
  void Poll();
  // "Stop now": every process of the batch ends at once; the running job is
  // stopped and what it wrote left as a partial output.
  void StopNow();
  // "Stop after this job": the batch is ended as soon as the next job's
  // first step begins, and that job is waiting again. The running job's
  // audio and mux steps, which tell nothing, end before that.
  void StopAfterCurrent();
  // Suspends the batch's processes, or lets them go on.
  void Pause(bool paused);
  // The window closes while the batch runs: it runs on, unwatched.
  void Leave();

  bool Ended() const { return ended_; }
  bool Paused() const { return paused_; }
  bool StoppingAfterCurrent() const { return stopAfter_; }
  // Whether it ended through Stop now or Stop after this job.
  bool Stopped() const { return stopped_; }
  const QueueWatch& Watch() const { return watch_; }
  std::int64_t NowMs() const { return platform_.processes.NowMs(); }

 private:
  void ReadChannel();
  void KeepStates();

  const platform::Platform& platform_;
  std::uint32_t job_;
  std::string batch_, channel_;
  std::uint64_t read_ = 0;  // the channel's bytes taken so far
  std::vector<JobState> keptStates_;  // as the kept statuses' file holds them
  QueueWatch watch_;
  bool ended_ = false;
  bool paused_ = false;
  bool stopped_ = false;
  bool stopAfter_ = false;
  bool listening_ = true;
  std::size_t lastJob_ = 0;  // with stopAfter_: the job that may still end
};

// The jobs' statuses are kept in the program folder's
// "quorvelan-jobs-status.txt", beside the job list's file, whenever one
// changes: a line for each job that left "waiting", with its status
// caption, its input and its final output, separated by tabs (UTF-8, CR
// LF). A job of the list is known by its input and final output.
std::string KeptStatusPath(const platform::Platform& platform);
// The kept state of each of `jobs`: Waiting when the file does not name
// it or names it done while its final output is missing, Interrupted for a
// job that was running when the file was last written.
std::vector<JobState> KeptStates(const platform::Platform& platform, const std::vector<QueueJob>& jobs);

// What the queue view shows of a job, one column a row (captions and widths
// in pixels at 96 dots an inch, as the window lays them out).
struct QueueColumn {
  const char* caption;
  int width;
  std::string (*text)(const QueueWatch& watch, std::size_t job, std::int64_t nowMs);
};
const std::vector<QueueColumn>& QueueColumns();

// After a 60 s countdown that Cancel stops: the choice (a row of the
// when-done list) carried out (true), or nothing (false). CloseProgram is
// the caller's to carry out.
bool CarryOutWhenDone(const platform::Platform& platform, int choice);

// The main window's title: "37% — quorvelan" while a queue runs.
std::string QueueTitle(const QueueWatch* watch, bool running);

}  // namespace qv
