#include "jobs/taken_names.h"

#include "text/path_parts.h"

namespace qv {
namespace {

constexpr std::string_view kEchoInput = "@echo Input:";
constexpr std::string_view kEchoOutput = "@echo Output:";
constexpr std::string_view kStatsOption = "--stats ";
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

bool IsAviSynthScript(std::string_view path) {
  const std::string_view extension = ExtensionPart(path);
  return extension.size() == 3 && (extension[0] | 0x20) == 'a' && (extension[1] | 0x20) == 'v' &&
         (extension[2] | 0x20) == 's';
}

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
    if (text.substr(0, kEchoInput.size()) == kEchoInput) {
      input = Unescape(text.substr(kEchoInput.size()), true);
      if (IsAviSynthScript(input)) wrappers_.push_back(input);
      Take(input, false);
      inJob = true;
      continue;
    }
    if (!inJob) continue;
    if (text.substr(0, kEchoOutput.size()) == kEchoOutput) {
      Take(Unescape(text.substr(kEchoOutput.size()), true), true);
      continue;
    }
    // Every quoted path but the input is one that the job writes.
    for (std::size_t open = text.find('"'); open != std::string_view::npos;) {
      const std::size_t close = text.find('"', open + 1);
      if (close == std::string_view::npos) break;
      const std::string path = Unescape(text.substr(open + 1, close - open - 1), false);
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
  const std::string_view text = content.bytes;
  if (content.status != platform::ReadStatus::Read || text.substr(0, kWrapperSource.size()) != kWrapperSource) {
    return std::nullopt;
  }
  const std::size_t close = text.find('"', kWrapperSource.size());
  if (close == std::string_view::npos) return std::nullopt;
  return std::string(text.substr(kWrapperSource.size(), close - kWrapperSource.size()));
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
