#include "ui/reported_operations.h"

#include <algorithm>
#include <cctype>

#include "catalog/when_done.h"
#include "jobs/batch_file.h"
#include "jobs/job_list.h"
#include "jobs/job_paths.h"
#include "jobs/input_queue.h"
#include "settings/config_io.h"
#include "settings/number_fields.h"
#include "ui/failure_report.h"
#include "ui/x264_choice.h"

namespace qv {
namespace {

void ReportQueued(platform::Dialogs& dialogs, const QueuedInputs& queued) {
  ReportUnwrittenWrappers(dialogs, queued.failedWrappers);
  ReportRefusedInputs(dialogs, queued.refused);
  if (queued.folderSummary.empty()) return;
  std::string text;
  for (std::string line : queued.folderSummary) {
    line[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
    text += (text.empty() ? "" : "\n") + line + ".";
  }
  dialogs.ShowMessage("Folders", text);
}

// A job is written only with numbers in its number fields, and a rate
// within the chosen mode's range; otherwise `refusal` and the field's case.
bool RefusesNumbers(App& app, const std::string& refusal) {
  if (const std::optional<NonNumber> field = FindNonNumber(app.form)) {
    const std::string what = field->text.empty() ? "is empty" : "holds \"" + field->text + "\"";
    ReportProblem(app.platform.dialogs, refusal + ": \"" + field->caption + "\" " + what + ", which is not a number.");
    return true;
  }
  if (const std::optional<RateOutside> rate = FindRateOutsideRange(app.form)) {
    ReportProblem(app.platform.dialogs, refusal + ": \"" + rate->caption + "\" holds " + rate->text +
                                            ", outside the range " + rate->range + " of \"" +
                                            app.form.Text(ControlId::Mode) + "\".");
    return true;
  }
  return false;
}

}  // namespace

void SaveNamedConfigReporting(App& app) {
  // Saving clears the typed name, so it is taken first for the message.
  const std::string name = app.form.Text(ControlId::ConfigName);
  const SaveResult result = SaveNamedConfig(app.form, app.platform);
  if (result.outcome == SaveOutcome::Failed) ReportUnwritten(app.platform.dialogs, {result.path});
  if (result.outcome == SaveOutcome::Invalid) ReportInvalidConfigName(app.platform.dialogs, name);
}

void LoadNamedConfigReporting(App& app) {
  const std::string name = app.form.Text(ControlId::ConfigName);
  if (name.empty() || !IsValidConfigName(name)) {
    ReportInvalidConfigName(app.platform.dialogs, name);
    return;
  }
  const ConfigFile file = LoadNamedConfig(app.form, app.platform);
  const std::string path = NamedConfigPath(app.platform, name);
  if (file.status == ConfigStatus::Refused) {
    ReportProblem(app.platform.dialogs, "This config was not loaded: " + file.reason + ":\n" + path);
  } else if (file.status == ConfigStatus::Missing) {
    ReportProblem(app.platform.dialogs, "There is no config named \"" + name + "\":\n" + path);
  } else if (!file.notes.empty()) {
    app.platform.dialogs.ShowMessage("Load", "The config \"" + name + "\" was loaded, but not every key as it is.\n" +
                                                 DescribeLoadNotes(file.notes));
  }
}

void MakeBatchFileReporting(App& app) {
  const BatchResult result = MakeBatchFile(app.form, app.platform);
  if (result.outcome == BatchOutcome::Failed) ReportUnwritten(app.platform.dialogs, {result.path});
}

void StartBatchReporting(App& app) {
  if (app.run) app.run->Poll();
  if (app.run && !app.run->Ended()) {
    ReportProblem(app.platform.dialogs, "A queue runs already: stop it, or start again when it has ended.");
    return;
  }
  // The jobs done in an earlier run are left out of this one.
  std::vector<QueueJob> jobs = SplitQueueJobs(app.form.Items(ControlId::JobList));
  const std::vector<JobState> kept = KeptStates(app.platform, jobs);
  std::vector<bool> leftOut(static_cast<std::size_t>(app.form.ItemCount(ControlId::JobList)), false);
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    if (kept[i] != JobState::Done) continue;
    std::fill(leftOut.begin() + static_cast<std::ptrdiff_t>(jobs[i].firstLine),
              leftOut.begin() + static_cast<std::ptrdiff_t>(jobs[i].endLine), true);
  }
  // A "Shut" line waits for the last job: the queue's end shuts down.
  bool shut = false;
  for (std::size_t i = 0; i < leftOut.size(); ++i) {
    if (app.form.Item(ControlId::JobList, static_cast<int>(i)) != kShutdownLine) continue;
    leftOut[i] = true;
    shut = true;
  }
  const BatchResult result = StartBatch(app.form, app.platform, true, leftOut);
  if (result.job) {
    app.run.emplace(app.platform, *result.job, result.path, result.channel, std::move(jobs), kept);
    if (shut) app.form.SetNumber(ControlId::WhenDone, static_cast<int>(WhenDone::ShutDown));
  }
  std::vector<std::string> unwritten;
  if (!result.stateSaved) unwritten.push_back(StateFilePath(app.platform));
  if (result.outcome == BatchOutcome::Failed) unwritten.push_back(result.path);
  ReportUnwritten(app.platform.dialogs, unwritten);
  if (result.outcome == BatchOutcome::NotStarted) ReportNotStarted(app.platform.dialogs, result.path);
}

void PickInputReporting(App& app) {
  const DeriveResult result = PickInput(app.form, app.platform);
  if (result.wrapper == WrapperOutcome::Failed) ReportUnwritten(app.platform.dialogs, {result.wrapperPath});
  if (result.unusable) ReportUnusablePath(app.platform.dialogs, *result.unusable);
}

void FilesInputReporting(App& app) {
  if (RefusesNumbers(app, "No file was added")) return;
  ReportQueued(app.platform.dialogs, FilesInput(app.form, app.platform, JobSyntax(app)));
}

void DropFilesReporting(App& app, const std::vector<std::string>& paths) {
  if (RefusesNumbers(app, "No file was added")) return;
  app.jobHistory.Open(app.form);
  ReportQueued(app.platform.dialogs, DropFiles(app.form, app.platform, paths, JobSyntax(app)));
  app.jobHistory.Close();
}

void AddJobReporting(App& app) {
  const DeriveResult prepared = PrepareAddedJob(app.form, app.platform);
  if (prepared.unusable) {
    ReportUnusablePath(app.platform.dialogs, *prepared.unusable);
    return;
  }
  if (prepared.wrapper == WrapperOutcome::NoIncludeScript) {
    ReportNoIncludeScript(app.platform.dialogs, prepared.wrapperPath);
    return;
  }
  if (prepared.wrapper == WrapperOutcome::Failed) {
    ReportUnwrittenWrappers(app.platform.dialogs, {prepared.wrapperPath});
    return;
  }
  if (const std::optional<UnusablePath> unusable = FindUnusablePath(app.form, app.platform.codePages, JobSyntax(app))) {
    ReportUnusablePath(app.platform.dialogs, *unusable);
    return;
  }
  // Without an input there is no job, and nothing to say about its fields;
  // an input typed or picked has its output derived by now.
  if (app.form.Text(ControlId::Input).empty()) return;
  if (const std::optional<UnusablePath> clash = FindClashingPath(app.form, app.platform)) {
    ReportUnusablePath(app.platform.dialogs, *clash);
    return;
  }
  if (RefusesNumbers(app, "The job was not added")) return;
  AddJob(app.form, JobSyntax(app), app.platform);
}

}  // namespace qv
