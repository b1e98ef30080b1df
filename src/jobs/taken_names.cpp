#include "jobs/taken_names.h"

#include "text/case_fold.h"

namespace qv {
namespace {

constexpr std::string_view kEchoInput = "@echo Input:";
constexpr std::string_view kEchoOutput = "@echo Output:";
constexpr std::string_view kWrapperSource = "fs=\"";
constexpr std::size_t kWrapperSizeLimit = 1 << 16;

// A text as the batch line holds it, back to the path: "%%" is one "%", and
// in an echo line a caret stands before each special character.
std::string Unescape(std::string_view text, bool echo) {
  std::string path;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "%%") == 0 || (echo && text[i] == '^' && i + 1 < text.size())) ++i;
    path += text[i];
  }
  return path;
}

bool SamePath(std::string_view a, std::string_view b) { return FoldCase(a) == FoldCase(b); }

}  // namespace

void TakenNames::Take(std::string_view path, std::size_t job) {
  if (path.empty()) return;
  const std::string key = FoldCase(path);
  if (jobOfPath_.count(key) != 0) return;  // an earlier job keeps it
  char* stored = static_cast<char*>(arena_.allocate(key.size(), 1));
  key.copy(stored, key.size());
  jobOfPath_.emplace(std::string_view(stored, key.size()), job);
}

void TakenNames::AddLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const std::string_view text = line;
    if (text.substr(0, kEchoInput.size()) == kEchoInput) {
      jobs_.push_back({Unescape(text.substr(kEchoInput.size()), true), {}});
      Take(jobs_.back().input, jobs_.size() - 1);
      continue;
    }
    if (jobs_.empty()) continue;
    if (text.substr(0, kEchoOutput.size()) == kEchoOutput) {
      Take(Unescape(text.substr(kEchoOutput.size()), true), jobs_.size() - 1);
      continue;
    }
    for (std::size_t open = text.find('"'); open != std::string_view::npos;) {
      const std::size_t close = text.find('"', open + 1);
      if (close == std::string_view::npos) break;
      Take(Unescape(text.substr(open + 1, close - open - 1), false), jobs_.size() - 1);
      open = text.find('"', close + 1);
    }
  }
}

void TakenNames::AddJob(const std::string& source, const std::vector<std::string>& paths) {
  jobs_.push_back({source, source});
  for (const std::string& path : paths) Take(path, jobs_.size() - 1);
}

void TakenNames::Reserve(std::size_t jobs) {
  // A job takes its input, output, statistics file, log and wrapper.
  jobs_.reserve(jobs_.size() + jobs);
  jobOfPath_.reserve(jobOfPath_.size() + 5 * jobs);
}

const std::string& TakenNames::SourceOf(Job& job) {
  if (!job.source.empty()) return job.source;
  job.source = job.input;
  // A wrapper script names its source on its first line.
  const platform::FileContent wrapper = platform_.files.ReadFile(job.input, kWrapperSizeLimit);
  const std::string_view text = wrapper.bytes;
  if (wrapper.status == platform::ReadStatus::Read && text.substr(0, kWrapperSource.size()) == kWrapperSource) {
    const std::size_t close = text.find('"', kWrapperSource.size());
    if (close != std::string_view::npos) {
      job.source = std::string(text.substr(kWrapperSource.size(), close - kWrapperSource.size()));
    }
  }
  return job.source;
}

bool TakenNames::TakenByOther(const std::string& path, const std::string& source) {
  const auto found = jobOfPath_.find(FoldCase(path));
  return found != jobOfPath_.end() && !SamePath(SourceOf(jobs_[found->second]), source);
}

}  // namespace qv
