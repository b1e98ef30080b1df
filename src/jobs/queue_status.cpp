#include "jobs/queue_status.h"

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

const std::vector<JobStateRow> kStates = {
    {JobState::Running, "running", "one of its steps runs now: \"running pass 1 of 2\" names the x264 pass"},
    {JobState::Done, "done", "every step ended and the job's final output is there"},
    {JobState::Failed, "failed",
     "a step printed an \"[error]\" line or ended without x264's closing summary, or the final output is missing; "
     "the row shows the step's last lines"},
    {JobState::Stopped, "stopped", "\"Stop now\" ended it, or its console was closed; what it wrote so far is left as a "
                                   "partial output"},
    {JobState::Interrupted, "interrupted",
     "it was running when the window or the computer went down; the next \"Start\" runs it again from its first pass"},
    {JobState::Waiting, "waiting", "it has not run yet; \"Start\" runs it"},
};

bool Settled(JobState state) {
  return state == JobState::Done || state == JobState::Failed || state == JobState::Stopped;
}

int PassesOf(const QueueJob& job) { return std::max(job.passes, 1); }

}  // namespace

const std::vector<JobStateRow>& JobStateTable() { return kStates; }

const JobStateRow& JobStateRowOf(JobState state) {
  for (const JobStateRow& row : kStates) {
    if (row.state == state) return row;
  }
  return kStates.back();
}

std::string DurationText(std::int64_t seconds) {
  seconds = std::max<std::int64_t>(seconds, 0);
  const std::int64_t minutes = seconds / 60 % 60, rest = seconds % 60;
  return std::to_string(seconds / 3600) + (minutes < 10 ? ":0" : ":") + std::to_string(minutes) +
         (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

QueueWatch::QueueWatch(std::vector<QueueJob> jobs, FileSizeOf sizeOf)
    : jobs_(std::move(jobs)), status_(jobs_.size()), sizeOf_(std::move(sizeOf)), current_(jobs_.size()) {}

void QueueWatch::Settle(std::size_t job, std::int64_t nowMs) {
  JobStatus& status = status_[job];
  // A state kept from an earlier run (no end time yet) is judged anew, but
  // for "done": such a job was left out of this run.
  const bool judged = Settled(status.state) && (status.endMs >= 0 || status.state == JobState::Done);
  if (status.endMs < 0) status.endMs = nowMs;
  if (status.startMs < 0) status.startMs = nowMs;
  if (!judged) {
    const auto size = sizeOf_(jobs_[job].finalOutput);
    if (status.stepOpen) {
      status.state = JobState::Failed;
      status.reason = "its x264 step ended without a word";
    } else if (!jobs_[job].logPaths.empty() && status.pass == 0) {
      status.state = JobState::Failed;
      status.reason = "x264 did not start";
    } else if (!size) {
      status.state = JobState::Failed;
      status.reason = "its output \"" + jobs_[job].finalOutput + "\" is missing";
    } else {
      status.state = JobState::Done;
    }
  }
  status.stepOpen = false;
  if (status.state != JobState::Stopped) status.outputSize = sizeOf_(jobs_[job].finalOutput);
}

void QueueWatch::SettleUpTo(std::size_t end, std::int64_t nowMs) {
  for (std::size_t job = current_ == jobs_.size() ? 0 : current_; job < end; ++job) Settle(job, nowMs);
}

void QueueWatch::Apply(const RunRecord& record, std::int64_t nowMs) {
  if (record.kind == RunRecordKind::Step) {
    std::size_t job = current_ == jobs_.size() ? 0 : current_;
    while (job < jobs_.size() && std::find(jobs_[job].logPaths.begin(), jobs_[job].logPaths.end(), record.text) ==
                                     jobs_[job].logPaths.end())
      ++job;
    if (job == jobs_.size()) return;  // a step of no job of this queue
    if (job != current_) {
      SettleUpTo(job, nowMs);
      current_ = job;
      // A job that an earlier run left failed, stopped or interrupted runs anew.
      status_[job] = JobStatus{};
      status_[job].startMs = nowMs;
    }
    JobStatus& status = status_[job];
    if (status.state != JobState::Failed) status.state = JobState::Running;
    ++status.pass;
    status.progress.reset();
    status.tail.clear();
    status.stepOpen = true;
    return;
  }
  if (current_ == jobs_.size()) return;
  JobStatus& status = status_[current_];
  switch (record.kind) {
    case RunRecordKind::Progress:
      if (const auto progress = ParseX264Progress(record.text)) status.progress = progress;
      break;
    case RunRecordKind::Tail:
      status.tail.push_back(record.text);
      break;
    case RunRecordKind::End:
      status.stepOpen = false;
      if (record.end == StepEnd::Ok) break;
      status.state = JobState::Failed;
      status.endMs = nowMs;
      status.reason = record.end == StepEnd::Error ? "x264 reported an error"
                                                   : "x264 ended without its closing summary";
      break;
    case RunRecordKind::Step:
      break;
  }
}

void QueueWatch::BatchEnded(std::int64_t nowMs) {
  if (current_ != jobs_.size() && status_[current_].stepOpen) {
    // The step never said it ended: the batch was ended from outside.
    Stop(nowMs);
    status_[current_].reason = "the batch ended during this step";
    return;
  }
  SettleUpTo(jobs_.size(), nowMs);
  current_ = jobs_.size();
}

void QueueWatch::Stop(std::int64_t nowMs) {
  if (current_ == jobs_.size() || Settled(status_[current_].state)) return;
  JobStatus& status = status_[current_];
  status.state = JobState::Stopped;
  status.stepOpen = false;
  status.endMs = nowMs;
  status.reason = sizeOf_(jobs_[current_].finalOutput) ? "partial output left: " + jobs_[current_].finalOutput
                                                       : "stopped before it wrote its output";
}

std::string QueueWatch::StatusText(std::size_t job) const {
  const JobStatus& status = status_[job];
  std::string text = JobStateRowOf(status.state).caption;
  if (status.state == JobState::Running && jobs_[job].passes > 0)
    text += " pass " + std::to_string(status.pass) + " of " + std::to_string(jobs_[job].passes);
  return text;
}

std::int64_t QueueWatch::ElapsedMs(std::size_t job, std::int64_t nowMs) const {
  const JobStatus& status = status_[job];
  if (status.startMs < 0) return 0;
  return (status.endMs < 0 ? nowMs : status.endMs) - status.startMs;
}

std::optional<std::int64_t> QueueWatch::JobEtaSeconds(std::size_t job) const {
  if (current_ == jobs_.size()) return std::nullopt;
  const auto& progress = status_[current_].progress;
  if (!progress || progress->fps <= 0 || progress->totalFrames <= 0) return std::nullopt;
  double frames = 0;
  if (job == current_) {
    frames = static_cast<double>(progress->totalFrames - progress->frame) +
             static_cast<double>(std::max(jobs_[job].passes - status_[job].pass, 0) * progress->totalFrames);
  } else if (status_[job].state == JobState::Waiting) {
    // A job not yet started: as many frames a pass as the running one.
    frames = static_cast<double>(PassesOf(jobs_[job]) * progress->totalFrames);
  } else {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(std::ceil(std::max(frames, 0.0) / progress->fps));
}

std::optional<std::int64_t> QueueWatch::QueueEtaSeconds() const {
  const auto running = current_ == jobs_.size() ? std::nullopt : JobEtaSeconds(current_);
  if (!running) return std::nullopt;
  std::int64_t seconds = *running;
  for (std::size_t job = current_ + 1; job < jobs_.size(); ++job) seconds += JobEtaSeconds(job).value_or(0);
  return seconds;
}

double QueueWatch::QueueFraction() const {
  double done = 0, all = 0;
  for (std::size_t job = 0; job < jobs_.size(); ++job) {
    const int passes = PassesOf(jobs_[job]);
    all += passes;
    // A job that failed, stopped or was interrupted in an earlier run (no end
    // in this one) runs again: only its new end counts.
    const JobStatus& status = status_[job];
    if (Settled(status.state) && (status.state == JobState::Done || status.endMs >= 0)) {
      done += passes;
    } else if (job == current_ && status_[job].pass > 0) {
      const auto& progress = status_[job].progress;
      done += std::min(status_[job].pass - 1 + (progress && progress->percent >= 0 ? progress->percent / 100 : 0),
                       static_cast<double>(passes));
    }
  }
  return all == 0 ? 0 : done / all;
}

std::string QueueWatch::Summary() const {
  std::string text;
  for (const JobStateRow& row : kStates) {
    const auto count = std::count_if(status_.begin(), status_.end(), [&](const JobStatus& s) { return s.state == row.state; });
    if (count > 0) text += (text.empty() ? "" : ", ") + std::to_string(count) + " " + row.caption;
  }
  if (current_ != jobs_.size() && status_[current_].state == JobState::Running) {
    const auto eta = QueueEtaSeconds();
    text += " \xE2\x80\x94 ETA " + (eta ? DurationText(*eta) : std::string("unknown"));
  }
  return text;
}

}  // namespace qv
