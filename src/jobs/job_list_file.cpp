#include "jobs/job_list_file.h"

#include <string_view>

#include "jobs/batch_bytes.h"
#include "settings/file_aside.h"
#include "text/text_lines.h"
#include "text/wide_text.h"

namespace qv {
namespace {

constexpr const char* kStem = "quorvelan-jobs";

bool HoldsNul(std::string_view bytes) { return bytes.find('\0') != std::string_view::npos; }
bool NotUtf8(std::string_view bytes) { return !IsUtf8(bytes); }
bool CutShort(std::string_view bytes) { return !bytes.empty() && bytes.back() != '\n'; }

struct DamageCheck {
  bool (*damaged)(std::string_view bytes);
  const char* reason;
};

const DamageCheck kDamageChecks[] = {
    {HoldsNul, "it holds NUL bytes"},
    {NotUtf8, "it is not UTF-8 text"},
    {CutShort, "its last line has no line end, so it was cut short"},
};

}  // namespace

std::string JobListPath(const platform::Platform& platform) {
  return platform.programFolder + kStem + ".txt";
}

JobListFile ReadJobList(platform::FileSystem& files, const std::string& path) {
  const platform::FileContent content = files.ReadFile(path, kJobListSizeLimit);
  switch (content.status) {
    case platform::ReadStatus::Missing:
      if (files.FileExists(path)) return {JobListStatus::Damaged, {}, "it could not be read"};
      return {};
    case platform::ReadStatus::TooLarge:
      return {JobListStatus::Damaged, {}, "it is larger than 64 MiB"};
    case platform::ReadStatus::Read:
      break;
  }
  for (const DamageCheck& check : kDamageChecks) {
    if (check.damaged(content.bytes)) return {JobListStatus::Damaged, {}, check.reason};
  }
  const std::vector<std::string_view> lines = SplitLines(content.bytes);
  return {JobListStatus::Read, std::vector<std::string>(lines.begin(), lines.end()), {}};
}

bool WriteJobList(platform::FileSystem& files, const std::string& path, const std::vector<std::string>& lines) {
  return WriteLinesText(files, path, {{}, lines, "\r\n", {}});
}

std::string KeepDamagedJobListAside(const platform::Platform& platform) {
  return MoveToFreeName(platform.files, JobListPath(platform), platform.programFolder + kStem + ".damaged", ".txt");
}

}  // namespace qv
