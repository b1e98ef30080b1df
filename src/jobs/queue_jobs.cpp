#include "jobs/queue_jobs.h"

#include "catalog/audio_encoders.h"
#include "jobs/job_list.h"
#include "jobs/read_back.h"
#include "text/batch_text.h"
#include "text/path_parts.h"

namespace qv {
namespace {

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

// The quoted argument that follows `marker` in `line`, or "".
std::string QuotedAfter(std::string_view line, std::string_view marker) {
  const std::size_t at = line.find(marker);
  if (at == std::string_view::npos) return {};
  const std::string_view rest = line.substr(at + marker.size());
  if (rest.empty() || rest[0] != '"') return {};
  const std::size_t close = rest.find('"', 1);
  return close == std::string_view::npos ? std::string() : BatchUnquoted(rest.substr(0, close + 1));
}

void ReadJobLine(std::string_view line, QueueJob& job) {
  if (std::optional<std::string> output = JobEchoed(line, JobEcho::Output)) job.output = std::move(*output);
  if (std::optional<std::string> mode = JobEchoed(line, JobEcho::Mode)) job.mode = std::move(*mode);
  if (StartsWith(line, "mkvmerge -o ")) job.finalOutput = QuotedAfter(line, "mkvmerge -o ");
  if (StartsWith(line, "if errorlevel 1 ")) line.remove_prefix(16);
  if (!StartsWith(line, "x264.exe ")) return;
  ++job.passes;
  const std::string log = QuotedAfter(line, "|teelog.exe ");
  if (!log.empty()) job.logPaths.push_back(log);
  const std::string written = QuotedAfter(line, " -o ");
  if (!written.empty()) job.finalOutput = written;
  // A first pass alone leaves its statistics.
  if (line.find(" -o nul ") != std::string_view::npos) job.finalOutput = QuotedAfter(line, " --stats ");
}

// A job that runs no x264 encodes audio only: it leaves the file that one
// of the audio encoders writes beside its output.
std::string AudioOnlyFile(const std::vector<std::string>& lines, const QueueJob& job) {
  for (int i = 0; const AudioEncoderSpec* encoder = FindAudioEncoder(i); ++i) {
    const std::string audio = ReplaceExtension(job.output, encoder->fileEnding);
    const std::string quoted = BatchQuoted(audio);
    for (std::size_t at = job.firstLine; at < job.endLine; ++at) {
      if (lines[at].find(quoted) != std::string::npos) return audio;
    }
  }
  return job.output;
}

}  // namespace

std::vector<QueueJob> SplitQueueJobs(const std::vector<std::string>& lines) {
  std::vector<QueueJob> jobs;
  bool inJob = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (std::optional<std::string> input = JobEchoed(line, JobEcho::Input)) {
      QueueJob job;
      job.firstLine = i;
      job.input = std::move(*input);
      jobs.push_back(std::move(job));
      inJob = true;
    } else if (line == kShutdownLine) {
      inJob = false;
    } else if (inJob) {
      ReadJobLine(line, jobs.back());
    }
    if (inJob) jobs.back().endLine = i + 1;
  }
  for (QueueJob& job : jobs) {
    if (job.finalOutput.empty()) job.finalOutput = job.passes == 0 ? AudioOnlyFile(lines, job) : job.output;
  }
  return jobs;
}

}  // namespace qv
