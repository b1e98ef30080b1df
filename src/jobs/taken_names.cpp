#include "jobs/taken_names.h"

#include "jobs/read_back.h"
#include "text/batch_text.h"
#include "text/path_parts.h"

namespace qv {
namespace {

constexpr std::string_view kStatsOption = "--stats ";
constexpr std::size_t kWrapperSizeLimit = 1 << 16;

}  // namespace

std::vector<std::string> StatisticsFiles(const std::string& stats) {
  return {stats, stats + ".temp", stats + ".mbtree", stats + ".mbtree.temp"};
}

void TakenNames::Take(std::string_view path, bool written) {
  if (path.empty()) return;
  const std::string key = platform_.files.PathKey(std::string(path));
  auto known = keys_.find(key);
  if (known == keys_.end()) {
    char* stored = static_cast<char*>(arena_.allocate(key.size(), 1));
    key.copy(stored, key.size());
    known = keys_.emplace(stored, key.size()).first;
  }
  if (written) written_.insert(*known);
}

void TakenNames::AddLines(const std::vector<std::string>& lines) {
  bool inJob = false;
  std::string input;
  for (const std::string& line : lines) {
    const std::string_view text = line;
    if (std::optional<std::string> echoed = JobEchoed(text, JobEcho::Input)) {
      input = std::move(*echoed);
      if (IsAviSynthExtension(ExtensionPart(input))) wrappers_.push_back(input);
      Take(input, false);
      inJob = true;
      continue;
    }
    if (!inJob) continue;
    if (const std::optional<std::string> output = JobEchoed(text, JobEcho::Output)) {
      Take(*output, true);
      continue;
    }
    // Every quoted path but the input is one that the job writes.
    for (std::size_t open = text.find('"'); open != std::string_view::npos;) {
      const std::size_t close = text.find('"', open + 1);
      if (close == std::string_view::npos) break;
      const std::string path = BatchUnquoted(text.substr(open + 1, close - open - 1));
      const bool stats = open >= kStatsOption.size() &&
                         text.substr(open - kStatsOption.size(), kStatsOption.size()) == kStatsOption;
      if (stats) {
        for (const std::string& file : StatisticsFiles(path)) Take(file, true);
      } else {
        Take(path, path != input);
      }
      open = text.find('"', close + 1);
    }
  }
}

void TakenNames::AddJob(const std::vector<std::string>& reads, const std::vector<std::string>& writes) {
  for (const std::string& path : reads) Take(path, false);
  for (const std::string& path : writes) Take(path, true);
}

void TakenNames::Reserve(std::size_t jobs) {
  // A job takes its source, wrapper, output, log and four statistics files.
  keys_.reserve(keys_.size() + 9 * jobs);
}

std::optional<std::string> WrapperSource(platform::FileSystem& files, const std::string& path) {
  const platform::FileContent content = files.ReadFile(path, kWrapperSizeLimit);
  if (content.status != platform::ReadStatus::Read) return std::nullopt;
  return WrapperTextSource(content.bytes);
}

void TakenNames::ReadWrapperSources() {
  for (const std::string& wrapper : wrappers_) {
    if (const std::optional<std::string> source = WrapperSource(platform_.files, wrapper)) Take(*source, false);
  }
  wrappers_.clear();
}

bool TakenNames::Taken(const std::string& key) {
  if (!wrappers_.empty()) ReadWrapperSources();
  return keys_.count(key) != 0;
}

bool TakenNames::Written(const std::string& path) const { return written_.count(platform_.files.PathKey(path)) != 0; }

}  // namespace qv
