#include "ui/questions.h"

#include <string>

#include "jobs/job_list.h"
#include "jobs/read_back.h"
#include "settings/config_io.h"

namespace qv {
namespace {

constexpr const char* kCaption = "quorvelan";

std::string Counted(long long count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

void ClearJobListAsking(App& app) {
  const std::vector<std::string>& lines = app.form.Items(ControlId::JobList);
  if (lines.empty()) return;
  long long jobs = 0;
  for (const std::string& line : lines) jobs += StartsJob(line) ? 1 : 0;
  const std::string what = Counted(jobs, "job", "jobs") + ", " + Counted(static_cast<long long>(lines.size()), "line", "lines");
  if (!app.platform.dialogs.AskYesNo(kCaption, "Remove everything from the job list (" + what +
                                                   ")?\n\nCtrl+Z in the list brings it back.")) {
    return;
  }
  ClearJobs(app.form);
}

void LoadBuiltInDefaultsAsking(App& app) {
  if (!app.platform.dialogs.AskYesNo(kCaption, "Replace every setting on the form with the built-in defaults?\n\n"
                                               "The job list and the saved configs stay as they are.")) {
    return;
  }
  LoadBuiltInDefaults(app.form, app.platform);
}

}  // namespace qv
