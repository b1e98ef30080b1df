#pragma once
// The files that the jobs of a list read or write, known by the keys under
// which the system knows them (FileSystem::PathKey), so that a new job never
// writes a file that a queued job reads or writes: not its output, log,
// statistics file or wrapper, nor its source.

#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/platform.h"

namespace qv {

class TakenNames {
 public:
  explicit TakenNames(const platform::Platform& platform) : platform_(platform) {}

  // Every file that `lines` (whole jobs, each from its "@echo Input:" line)
  // read or write: the echoed input and output, every quoted path with the
  // companions of a statistics file, and the source that a wrapper script
  // among the inputs names.
  void AddLines(const std::vector<std::string>& lines);

  // The files of one more job, each with the companions of its kind already:
  // those it only reads (its source, its wrapper) and those it writes.
  void AddJob(const std::vector<std::string>& reads, const std::vector<std::string>& writes);

  // Room for `jobs` more jobs, so that thousands of them are added without
  // the index growing step by step.
  void Reserve(std::size_t jobs);

  // True when a job of the list reads or writes the file whose key
  // (FileSystem::PathKey) is `key`.
  bool Taken(const std::string& key);
  // True when a job of the list writes the file `path`.
  bool Written(const std::string& path) const;

 private:
  void Take(std::string_view path, bool written);
  void ReadWrapperSources();

  const platform::Platform& platform_;
  // Inputs of the listed jobs that may be wrapper scripts, whose sources are
  // read only when a question needs them.
  std::vector<std::string> wrappers_;
  // Tens of thousands of keys for a long list: their texts live in one
  // arena, which grows in large blocks and goes as a whole.
  std::pmr::monotonic_buffer_resource arena_;
  std::pmr::unordered_set<std::string_view> keys_{&arena_};
  std::pmr::unordered_set<std::string_view> written_{&arena_};
};

// The source that the wrapper script `path` names on its first line;
// nullopt when `path` is no such script.
std::optional<std::string> WrapperSource(platform::FileSystem& files, const std::string& path);

// The files that x264 writes beside the statistics file `stats`: the file
// itself, its macroblock-tree file and the temporary files of both.
std::vector<std::string> StatisticsFiles(const std::string& stats);

}  // namespace qv
