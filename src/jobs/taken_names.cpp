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

void TakenNames::Take(std::string_view path) {
  if (path.empty()) return;
  const std::string key = platform_.files.PathKey(std::string(path));
  if (keys_.count(key) != 0) return;
  char* stored = static_cast<char*>(arena_.allocate(key.size(), 1));
  key.copy(stored, key.size());
  keys_.emplace(stored, key.size());
}

void TakenNames::AddLines(const std::vector<std::string>& lines) {
  bool inJob = false;
  for (const std::string& line : lines) {
    const std::string_view text = line;
    if (text.substr(0, kEchoInput.size()) == kEchoInput) {
      const std::string input = Unescape(text.substr(kEchoInput.size()), true);
      if (IsAviSynthScript(input)) wrappers_.push_back(input);
      Take(input);
      inJob = true;
      continue;
    }
    if (!inJob) continue;
    if (text.substr(0, kEchoOutput.size()) == kEchoOutput) {
      Take(Unescape(text.substr(kEchoOutput.size()), true));
      continue;
    }
    for (std::size_t open = text.find('"'); open != std::string_view::npos;) {
      const std::size_t close = text.find('"', open + 1);
      if (close == std::string_view::npos) break;
      const std::string path = Unescape(text.substr(open + 1, close - open - 1), false);
      const bool stats = open >= kStatsOption.size() &&
                         text.substr(open - kStatsOption.size(), kStatsOption.size()) == kStatsOption;
      if (stats) {
        for (const std::string& file : StatisticsFiles(path)) Take(file);
      } else {
        Take(path);
      }
      open = text.find('"', close + 1);
    }
  }
}

void TakenNames::AddJob(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) Take(path);
}

void TakenNames::Reserve(std::size_t jobs) {
  // A job takes its source, wrapper, output, log and four statistics files.
  keys_.reserve(keys_.size() + 9 * jobs);
}

// A wrapper script names its source on its first line.
void TakenNames::ReadWrapperSources() {
  for (const std::string& wrapper : wrappers_) {
    const platform::FileContent content = platform_.files.ReadFile(wrapper, kWrapperSizeLimit);
    const std::string_view text = content.bytes;
    if (content.status != platform::ReadStatus::Read || text.substr(0, kWrapperSource.size()) != kWrapperSource) {
      continue;
    }
    const std::size_t close = text.find('"', kWrapperSource.size());
    if (close != std::string_view::npos) Take(text.substr(kWrapperSource.size(), close - kWrapperSource.size()));
  }
  wrappers_.clear();
}

bool TakenNames::Taken(const std::string& path) {
  if (!wrappers_.empty()) ReadWrapperSources();
  return keys_.count(platform_.files.PathKey(path)) != 0;
}

}  // namespace qv
