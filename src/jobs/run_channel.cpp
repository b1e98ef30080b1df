#include "jobs/run_channel.h"

#include <cctype>

#include "jobs/x264_progress.h"

namespace qv {
namespace {

struct KindName {
  RunRecordKind kind;
  std::string_view name;
};
constexpr KindName kKindNames[] = {
    {RunRecordKind::Step, "step"}, {RunRecordKind::Progress, "progress"},
    {RunRecordKind::Tail, "tail"}, {RunRecordKind::End, "end"}};

struct EndName {
  StepEnd end;
  std::string_view name;
};
constexpr EndName kEndNames[] = {{StepEnd::Ok, "ok"}, {StepEnd::Error, "error"}, {StepEnd::Cut, "cut"}};

}  // namespace

std::string RunRecordLine(RunRecordKind kind, std::string_view text) {
  std::string line;
  for (const KindName& row : kKindNames) {
    if (row.kind == kind) line = std::string(row.name) + " ";
  }
  // Control characters (C0 and DEL, as the C locale has them) would break
  // the record's line.
  for (const char c : text) line += std::iscntrl(static_cast<unsigned char>(c)) ? ' ' : c;
  return line + "\n";
}

std::string StepEndLine(StepEnd end) {
  for (const EndName& row : kEndNames) {
    if (row.end == end) return RunRecordLine(RunRecordKind::End, row.name);
  }
  return {};
}

std::vector<RunRecord> ParseRunRecords(std::string_view bytes, std::size_t& used) {
  std::vector<RunRecord> records;
  used = 0;
  for (std::size_t lineEnd; (lineEnd = bytes.find('\n', used)) != std::string_view::npos; used = lineEnd + 1) {
    std::string_view line = bytes.substr(used, lineEnd - used);
    // A record echoed by a batch line ends with CR LF.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos) continue;
    for (const KindName& row : kKindNames) {
      if (row.name != line.substr(0, blank)) continue;
      RunRecord record{row.kind, std::string(line.substr(blank + 1))};
      bool known = record.kind != RunRecordKind::End;
      for (const EndName& end : kEndNames) {
        if (record.kind == RunRecordKind::End && end.name == record.text) {
          record.end = end.end;
          known = true;
        }
      }
      if (known) records.push_back(std::move(record));
    }
  }
  return records;
}

void StepOutput::Add(std::string_view bytes) {
  for (const char c : bytes) {
    if (c == '\r' || c == '\n') {
      FinishLine();
    } else if (line_.size() < 1000) {  // keeps a run of bytes without a line end from growing without bound
      line_ += c;
    }
  }
}

void StepOutput::FinishLine() {
  if (line_.empty()) return;
  if (ParseX264Progress(line_)) {
    progress_ = line_;
  } else {
    if (ParseX264Summary(line_)) summary_ = true;
    if (line_.find("[error]") != std::string::npos) error_ = true;
    tail_.push_back(line_);
    if (tail_.size() > kTailLines) tail_.pop_front();
  }
  line_.clear();
}

std::string StepOutput::TakeProgress() {
  std::string taken;
  taken.swap(progress_);
  return taken;
}

std::string StepOutput::Finish() {
  FinishLine();  // the output's last line may have no line end
  std::string records;
  for (const std::string& line : tail_) records += RunRecordLine(RunRecordKind::Tail, line);
  const StepEnd end = error_ ? StepEnd::Error : summary_ ? StepEnd::Ok : StepEnd::Cut;
  return records + StepEndLine(end);
}

}  // namespace qv
