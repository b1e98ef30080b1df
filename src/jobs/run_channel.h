#pragma once
// The run channel: how the steps of a batch that the window started tell it
// what they do. "Start" names a file in the environment variable
// kRunChannelVariable; teelog.exe, at the end of every x264 pipe, appends one
// record per line to it: a step began (with teelog's log argument, which
// names the job), its latest progress line, its last output lines and how it
// ended. The file is only ever appended to, one whole record per write, so
// it survives the window being closed and a reader never sees half a record
// once a line end has arrived.
//
//   step <log path>        a step began
//   progress <line>        the step's latest progress line
//   tail <line>            one of the step's last output lines (before end)
//   end ok|error|cut       the step ended: after x264's closing summary, after
//                          an "[error]" line, or without either

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr const char* kRunChannelVariable = "QUORVELAN_CHANNEL";

enum class RunRecordKind { Step, Progress, Tail, End };
enum class StepEnd { Ok, Error, Cut };

struct RunRecord {
  RunRecordKind kind;
  std::string text;  // Step: the log path; Progress, Tail: the line
  StepEnd end = StepEnd::Cut;
};

// One record as its line (control characters in `text` become blanks).
std::string RunRecordLine(RunRecordKind kind, std::string_view text);
std::string StepEndLine(StepEnd end);

// The complete records at the front of `bytes`; `used` is set to the bytes
// they took (a record without its line end yet is left for the next read).
// Lines that are no record are skipped.
std::vector<RunRecord> ParseRunRecords(std::string_view bytes, std::size_t& used);

// Reads an encoder's output as it arrives and keeps what the records tell:
// the latest progress line, the last few output lines, whether x264's
// closing summary or an "[error]" line was seen.
class StepOutput {
 public:
  static constexpr std::size_t kTailLines = 4;

  void Add(std::string_view bytes);
  // The latest progress line not yet taken, or "" when none came since.
  std::string TakeProgress();
  // At the end of the output: the end records, the tail lines and then how
  // the step ended.
  std::string Finish();

 private:
  void FinishLine();

  std::string line_;
  std::string progress_;
  std::deque<std::string> tail_;
  bool summary_ = false;
  bool error_ = false;
};

}  // namespace qv
