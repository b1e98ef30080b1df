#include "ui/queue_run.h"

#include <cmath>
#include <cstdio>
#include <map>

#include "catalog/when_done.h"
#include "text/path_parts.h"
#include "text/text_lines.h"

namespace qv {
namespace {

// The most of the channel that one poll reads; the rest waits for the next.
constexpr std::size_t kChannelChunk = 1 << 20;
// Far beyond a line for each of 250,000 jobs.
constexpr std::size_t kKeptStatusLimit = std::size_t{256} << 20;

std::string Fixed(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string Progress(const QueueWatch& watch, std::size_t job, std::int64_t) {
  const JobStatus& status = watch.Status(job);
  if (status.state != JobState::Running || !status.progress) return {};
  const X264Progress& p = *status.progress;
  std::string text = p.percent >= 0 ? Fixed(p.percent, 1) + "% " : "";
  text += std::to_string(p.frame) + (p.totalFrames > 0 ? "/" + std::to_string(p.totalFrames) : "") + " frames, ";
  return text + Fixed(p.fps, 2) + " fps, " + Fixed(p.kbps, 2) + " kbit/s";
}

std::string Eta(const QueueWatch& watch, std::size_t job, std::int64_t) {
  const std::size_t current = watch.Current();
  const JobState state = watch.Status(job).state;
  if (current == watch.Jobs().size() || watch.Status(current).state != JobState::Running ||
      (state != JobState::Running && state != JobState::Waiting))
    return {};
  const auto seconds = watch.JobEtaSeconds(job);
  return seconds ? DurationText(*seconds) : "unknown";
}

std::string Size(const QueueWatch& watch, std::size_t job, std::int64_t) {
  const auto& size = watch.Status(job).outputSize;
  return size ? Fixed(static_cast<double>(*size) / 1048576, 1) + " MB" : "";
}

// Why a job failed or stopped, and a failed step's last lines.
std::string Note(const QueueWatch& watch, std::size_t job, std::int64_t) {
  const JobStatus& status = watch.Status(job);
  std::string text = status.reason;
  for (const std::string& line : status.tail) text += (text.empty() ? "" : " | ") + line;
  return text;
}

const std::vector<QueueColumn> kColumns = {
    {"Input", 140, [](const QueueWatch& w, std::size_t j, std::int64_t) { return std::string(FilePart(w.Jobs()[j].input)); }},
    {"Mode", 150, [](const QueueWatch& w, std::size_t j, std::int64_t) { return w.Jobs()[j].mode; }},
    {"Output", 140, [](const QueueWatch& w, std::size_t j, std::int64_t) { return std::string(FilePart(w.Jobs()[j].finalOutput)); }},
    {"Status", 120, [](const QueueWatch& w, std::size_t j, std::int64_t) { return w.StatusText(j); }},
    {"Progress", 260, Progress},
    {"Elapsed", 60,
     [](const QueueWatch& w, std::size_t j, std::int64_t now) {
       return w.Status(j).startMs < 0 ? std::string() : DurationText(w.ElapsedMs(j, now) / 1000);
     }},
    {"ETA", 60, Eta},
    {"Size", 70, Size},
    {"Note", 400, Note},
};

constexpr unsigned kCountdownSeconds = 60;


}  // namespace

const std::vector<QueueColumn>& QueueColumns() { return kColumns; }

bool CarryOutWhenDone(const platform::Platform& platform, int choice) {
  const WhenDoneSpec* row = FindWhenDone(choice);
  if (!row || !row->countdown || !platform.dialogs.CountDown("quorvelan", row->countdown, kCountdownSeconds)) {
    return false;
  }
  const auto when = static_cast<WhenDone>(choice);
  if (when == WhenDone::CloseProgram) return true;
  return platform.processes.Power(when == WhenDone::Sleep       ? platform::PowerAction::Sleep
                                  : when == WhenDone::Hibernate ? platform::PowerAction::Hibernate
                                                                : platform::PowerAction::ShutDown);
}

std::string QueueTitle(const QueueWatch* watch, bool running) {
  if (!watch || !running) return "quorvelan";
  return std::to_string(static_cast<int>(std::floor(watch->QueueFraction() * 100))) + "% \xE2\x80\x94 quorvelan";
}

std::string KeptStatusPath(const platform::Platform& platform) {
  return platform.programFolder + "quorvelan-jobs-status.txt";
}

std::vector<JobState> KeptStates(const platform::Platform& platform, const std::vector<QueueJob>& jobs) {
  std::map<std::pair<std::string, std::string>, JobState> kept;
  const platform::FileContent file = platform.files.ReadFile(KeptStatusPath(platform), kKeptStatusLimit);
  for (const std::string_view line : SplitLines(file.bytes)) {
    const std::size_t input = line.find('\t'), output = line.find('\t', input + 1);
    if (output == std::string_view::npos) continue;
    for (const JobStateRow& row : JobStateTable()) {
      if (line.substr(0, input) != row.caption) continue;
      kept[{std::string(line.substr(input + 1, output - input - 1)), std::string(line.substr(output + 1))}] =
          row.state == JobState::Running ? JobState::Interrupted : row.state;
    }
  }
  std::vector<JobState> states;
  for (const QueueJob& job : jobs) {
    const auto found = kept.find({job.input, job.finalOutput});
    JobState state = found == kept.end() ? JobState::Waiting : found->second;
    // A done job whose output is gone runs again.
    if (state == JobState::Done && !platform.files.FileSize(job.finalOutput)) state = JobState::Waiting;
    states.push_back(state);
  }
  return states;
}

QueueRun::QueueRun(const platform::Platform& platform, std::uint32_t job, std::string batch, std::string channel,
                   std::vector<QueueJob> jobs, const std::vector<JobState>& kept)
    : platform_(platform),
      job_(job),
      batch_(std::move(batch)),
      channel_(std::move(channel)),
      watch_(std::move(jobs), [&files = platform.files](const std::string& path) { return files.FileSize(path); }) {
  for (std::size_t i = 0; i < kept.size() && i < watch_.Jobs().size(); ++i) watch_.Restore(i, kept[i]);
}

void QueueRun::KeepStates() {
  // Most polls change no state: the text is made only when one changed.
  std::vector<JobState> states(watch_.Jobs().size());
  for (std::size_t i = 0; i < states.size(); ++i) states[i] = watch_.Status(i).state;
  if (states == keptStates_) return;
  std::string text;
  for (std::size_t i = 0; i < watch_.Jobs().size(); ++i) {
    const JobState state = watch_.Status(i).state;
    if (state == JobState::Waiting) continue;
    text += std::string(JobStateRowOf(state).caption) + "\t" + watch_.Jobs()[i].input + "\t" +
            watch_.Jobs()[i].finalOutput + "\r\n";
  }
  if (platform_.files.WriteFile(KeptStatusPath(platform_), text)) keptStates_ = std::move(states);
}

void QueueRun::ReadChannel() {
  while (listening_) {
    const platform::FileContent chunk = platform_.files.ReadFileFrom(channel_, read_, kChannelChunk);
    std::size_t used = 0;
    const std::int64_t now = NowMs();
    for (const RunRecord& record : ParseRunRecords(chunk.bytes, used)) {
      watch_.Apply(record, now);
      if (!stopAfter_ || watch_.Current() == lastJob_ || watch_.Current() == watch_.Jobs().size()) continue;
      platform_.processes.End(job_);
      watch_.Restore(watch_.Current(), JobState::Waiting);
      stopped_ = true;
      stopAfter_ = false;
      listening_ = false;  // what the ended job still wrote is no news
      return;
    }
    read_ += used;
    // A whole chunk without one line end would never be taken: skip it.
    if (used == 0 && chunk.bytes.size() == kChannelChunk) read_ += kChannelChunk;
    if (chunk.bytes.size() < kChannelChunk) return;
  }
}

void QueueRun::Poll() {
  if (ended_) return;
  const bool running = platform_.processes.Running(job_);
  ReadChannel();
  KeepStates();
  if (running) return;
  // After "Stop now" the jobs that never began stay waiting.
  if (!stopped_) watch_.BatchEnded(NowMs());
  KeepStates();
  platform_.processes.Release(job_);
  platform_.files.DeleteFile(batch_);
  platform_.files.DeleteFile(channel_);
  ended_ = true;
  paused_ = false;
}

void QueueRun::StopNow() {
  if (ended_) return;
  platform_.processes.End(job_);
  stopped_ = true;
  ReadChannel();
  watch_.Stop(NowMs());
  KeepStates();
  Poll();
}

void QueueRun::StopAfterCurrent() {
  if (ended_) return;
  stopAfter_ = true;
  lastJob_ = watch_.Current();
}

void QueueRun::Pause(bool paused) {
  if (ended_ || paused == paused_) return;
  platform_.processes.Pause(job_, paused);
  paused_ = paused;
}

void QueueRun::Leave() {
  if (ended_) return;
  if (paused_) Pause(false);
  platform_.processes.Release(job_);
  ended_ = true;
}

}  // namespace qv
