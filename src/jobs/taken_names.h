#pragma once
// The paths that the jobs of a list already use, so that a new job from a
// source of the same file name in another folder gets names of its own
// instead of sharing (and overwriting) a wrapper, statistics file, log or
// output.

#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/platform.h"

namespace qv {

class TakenNames {
 public:
  explicit TakenNames(const platform::Platform& platform) : platform_(platform) {}

  // Every path that `lines` (whole jobs, each from its "@echo Input:" line)
  // name: the echoed input and output and every quoted path. The source of a
  // job is read from its wrapper script when a question needs it.
  void AddLines(const std::vector<std::string>& lines);

  // The paths of one more job whose source is known.
  void AddJob(const std::string& source, const std::vector<std::string>& paths);

  // Room for `jobs` more jobs, so that thousands of them are added without
  // the index growing step by step.
  void Reserve(std::size_t jobs);

  // True when `path` belongs to a job of a source other than `source`.
  bool TakenByOther(const std::string& path, const std::string& source);

 private:
  struct Job {
    std::string input;   // as echoed: the source, or its wrapper script
    std::string source;  // "" until known
  };
  void Take(std::string_view path, std::size_t job);
  const std::string& SourceOf(Job& job);

  const platform::Platform& platform_;
  std::vector<Job> jobs_;
  // The index holds a few paths of every job, tens of thousands of them for
  // a long list: its entries and their texts live in one arena, which grows
  // in large blocks and goes as a whole.
  std::pmr::monotonic_buffer_resource arena_;
  std::pmr::unordered_map<std::string_view, std::size_t> jobOfPath_{&arena_};  // path in FoldCase -> job
};

}  // namespace qv
