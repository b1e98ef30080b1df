#include "jobs/batch_file.h"

#include "jobs/batch_bytes.h"
#include "jobs/job_script.h"
#include "jobs/job_set.h"
#include "jobs/queue_jobs.h"
#include "jobs/run_channel.h"
#include "text/search_path.h"
#include "settings/config_io.h"
#include "text/batch_text.h"
#include "text/path_parts.h"

namespace qv {
namespace {

constexpr const char* kBatchFilter = "Batch File|*.BAT|One file per job (a folder)|*.";
constexpr int kPerJobFilter = 2;
constexpr const char* kEnvironmentLines = "@envprep.exe run\r\n@call envprep.bat\r\n@del envprep.bat\r\n";
// Enough fresh names for every batch that could plausibly still be running.
constexpr int kMaxStartedBatchNames = 999;

std::string HeaderLines(const std::string& programFolder) {
  return std::string(kBatchOpenLine) + "@cd /d \"" + BatchPath(programFolder) + "\"\r\n";
}

std::string HeadLines(const std::string& programFolder) { return HeaderLines(programFolder) + kEnvironmentLines; }

// The job list's lines but those left out.
std::vector<std::string> KeptLines(const Form& form, const std::vector<bool>& leftOut) {
  const std::vector<std::string>& lines = form.Items(ControlId::JobList);
  std::vector<std::string> kept;
  kept.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i >= leftOut.size() || !leftOut[i]) kept.push_back(lines[i]);
  }
  return kept;
}

// The started batch's name without its ".bat" and ".run" endings.
std::string StartedBatchStem(int number) { return number == 1 ? "temp" : "temp" + std::to_string(number); }

}  // namespace

std::string BatchFileText(const Form& form, const std::string& programFolder, const std::vector<bool>& leftOut) {
  const std::string head = HeadLines(programFolder);
  if (leftOut.empty()) return platform::LinesText{head, form.Items(ControlId::JobList), "\r\n", {}}.Joined();
  const std::vector<std::string> kept = KeptLines(form, leftOut);
  return platform::LinesText{head, kept, "\r\n", {}}.Joined();
}

std::optional<std::string> BatchFileBytes(const Form& form, const platform::Platform& platform,
                                          const std::vector<bool>& leftOut) {
  return BatchBytes(BatchFileText(form, platform.programFolder, leftOut), kBatchCloseLine, platform.codePages);
}

BatchResult WriteBatchFile(const Form& form, const platform::Platform& platform, std::string path) {
  if (ExtensionPart(path).empty()) path += ".bat";
  const bool written = WriteBatchBytes(platform.files, platform.codePages, path, HeadLines(platform.programFolder),
                                       form.Items(ControlId::JobList), kBatchCloseLine);
  return {written ? BatchOutcome::Written : BatchOutcome::Failed, std::move(path)};
}

std::string ScriptSearchFolders(const platform::Platform& platform, std::vector<std::string>& folders,
                                std::vector<std::string>& warnings) {
  const std::string listPath = platform.programFolder + "envprep.txt";
  const platform::FileContent list = platform.files.ReadFile(listPath, kLongestFolderList);
  if (list.status == platform::ReadStatus::TooLarge) return listPath + " is too large for a list of folders";
  ToolFolders tools = CollectToolFolders(platform.programFolder, list.bytes);
  if (!tools.refusal.empty()) return tools.refusal;
  for (std::string& warning : tools.warnings) warnings.push_back(std::move(warning));
  folders = std::move(tools.folders);
  return {};
}

BatchResult WritePerJobBatches(const Form& form, const platform::Platform& platform, const std::string& folder) {
  std::vector<std::string> folders, warnings;
  const BatchResult failed{BatchOutcome::Failed, folder};
  if (!ScriptSearchFolders(platform, folders, warnings).empty()) return failed;
  if (!platform.files.FolderExists(folder) && !platform.files.CreateFolder(folder)) return failed;
  const std::string prefix = folder.back() == '\\' || folder.back() == '/' ? folder : folder + "\\";
  const std::vector<std::string>& lines = form.Items(ControlId::JobList);
  const std::vector<QueueJob> queue = SplitQueueJobs(lines);
  std::vector<JobSetEntry> jobs;
  for (const QueueJob& job : queue) {
    const std::vector<std::string> own(lines.begin() + static_cast<std::ptrdiff_t>(job.firstLine),
                                       lines.begin() + static_cast<std::ptrdiff_t>(job.endLine));
    const std::string title = "quorvelan job " + std::to_string(jobs.size() + 1) + " (jobs.tsv lists them)";
    jobs.push_back({job.input, job.finalOutput, job.mode, job.passes,
                    CommandJobScript(own, job.finalOutput, folders, title)});
  }
  const int count = static_cast<int>(jobs.size());
  for (int i = 0; i < count; ++i) {
    const std::optional<std::string> bytes =
        JobScriptBytes(jobs[static_cast<std::size_t>(i)].script, ScriptDialect::Cmd, platform.codePages);
    const std::string path = prefix + JobScriptName(i + 1, count, ScriptDialect::Cmd);
    if (!bytes || !platform.files.WriteFile(path, *bytes)) return {BatchOutcome::Failed, path};
  }
  for (const JobSetFile& file : JobSetFiles(jobs, ScriptDialect::Cmd, Scheduler::None, 0)) {
    if (!platform.files.WriteFile(prefix + file.name, file.text)) return {BatchOutcome::Failed, prefix + file.name};
  }
  return {BatchOutcome::Written, folder};
}

BatchResult MakeBatchFile(const Form& form, const platform::Platform& platform) {
  int filter = 1;
  std::string path = platform.dialogs.SaveFile("", "", kBatchFilter, &filter);
  if (path.empty()) return {BatchOutcome::Cancelled, {}};
  if (filter == kPerJobFilter) return WritePerJobBatches(form, platform, path);
  if (ExtensionPart(path).empty()) path += ".bat";
  // The question that the system's own Save dialogs ask.
  if (platform.files.FileExists(path) &&
      !platform.dialogs.AskYesNo("Confirm Save As", std::string(FilePart(path)) +
                                                        " already exists.\nDo you want to replace it?")) {
    return {BatchOutcome::Cancelled, {}};
  }
  return WriteBatchFile(form, platform, std::move(path));
}

BatchResult StartBatch(const Form& form, const platform::Platform& platform, bool watched,
                       const std::vector<bool>& leftOut) {
  const bool stateSaved = SaveConfig(form, platform.files, StateFilePath(platform));

  // A batch that an earlier "Start" began may still be reading its file, so
  // an existing one is never rewritten.
  std::string stem;
  for (int number = 1; number <= kMaxStartedBatchNames && stem.empty(); ++number) {
    stem = platform.programFolder + StartedBatchStem(number);
    if (platform.files.FileExists(stem + ".bat")) stem.clear();
  }
  if (stem.empty()) return {BatchOutcome::Failed, platform.programFolder + StartedBatchStem(1) + ".bat", stateSaved};
  std::string path = stem + ".bat", channel = watched ? stem + ".run" : "";
  // The command interpreter deletes the batch after its end, outside the
  // batch, whose lines stay those of "Make BAT"; "endlocal" has taken it
  // back to the program folder by then. The names are this program's own.
  const std::string name(FilePart(path));
  const std::string command = "cmd.exe /d /c \"call " + name + " & del " + name + "\"";

  if (!WriteBatchBytes(platform.files, platform.codePages, path, HeadLines(platform.programFolder),
                       leftOut.empty() ? form.Items(ControlId::JobList) : KeptLines(form, leftOut), kBatchCloseLine)) {
    return {BatchOutcome::Failed, std::move(path), stateSaved};
  }
  // A channel left by a batch of this name that ran unwatched is no part of this run.
  if (watched) platform.files.DeleteFile(channel);
  const std::optional<std::uint32_t> job =
      platform.processes.Start(command, platform.programFolder, kRunChannelVariable, channel);
  if (!job) {
    // Nothing will ever run it, and left behind it would only push the next
    // "Start" to a fresh name.
    platform.files.DeleteFile(path);
    return {BatchOutcome::NotStarted, std::move(path), stateSaved};
  }
  BatchResult result{BatchOutcome::Started, std::move(path), stateSaved};
  result.job = job;
  result.channel = std::move(channel);
  return result;
}

}  // namespace qv
