#include "ui/lifecycle.h"

#include "jobs/job_list_file.h"
#include "settings/config_io.h"
#include "settings/config_lists.h"
#include "settings/file_aside.h"
#include "ui/dispatch.h"
#include "ui/failure_report.h"
#include "ui/job_list_keeping.h"

namespace qv {
namespace {

// Created in this order beside the program; an existing one is no error.
constexpr const char* kWorkingFolders[] = {"avs", "stats", "configs", "log", "avsinc"};
constexpr const char* kCalculatorLibrary = "rateplan.dll";

}  // namespace

std::string StartUp(App& app, RefusedState refused) {
  const platform::Platform& platform = app.platform;
  for (const char* folder : kWorkingFolders) platform.files.CreateFolder(platform.programFolder + folder);
  app.calculator = platform.libraries.Load(kCalculatorLibrary);
  RefreshConfigLists(app.form, platform);
  const std::string path = StateFilePath(platform);
  const ConfigFile state = LoadConfig(app.form, platform, path);
  const std::string jobListProblem = LoadJobList(app);
  app.form.SetJournal(&app.jobHistory);
  // The load rewrote every field; their checks run now, as the first events
  // of the loop would run them, so the window opens on a settled form.
  RunPendingEvents(app);
  if (state.status != ConfigStatus::Refused) return jobListProblem;
  const std::string notLoaded = "The settings were not loaded from " + path + ": " + state.reason + ".";
  if (refused == RefusedState::Leave) return notLoaded;
  const std::string aside = MoveToFreeName(platform.files, path, path + ".refused", "");
  return notLoaded + "\n" + (aside.empty() ? "The" : "It is kept as " + aside + "; the") +
         " built-in settings are used." + (jobListProblem.empty() ? "" : "\n\n" + jobListProblem);
}

std::vector<std::string> ShutDown(App& app) {
  std::vector<std::string> unwritten;
  const std::string state = StateFilePath(app.platform);
  if (!SaveConfig(app.form, app.platform.files, state)) unwritten.push_back(state);
  if (!JobListKept(app)) unwritten.push_back(JobListPath(app.platform));
  return unwritten;
}

bool MayClose(App& app) {
  if (app.run) app.run->Poll();
  if (app.run && !app.run->Ended()) {
    if (app.platform.dialogs.AskYesNo("quorvelan", "The queue still runs.\n\nYes stops it now; No lets it run on, "
                                                   "unwatched, after quorvelan closes.")) {
      app.run->StopNow();
    } else {
      app.run->Leave();
    }
  }
  const std::vector<std::string> unwritten = ShutDown(app);
  return unwritten.empty() || AskCloseAnyway(app.platform.dialogs, unwritten);
}

}  // namespace qv
