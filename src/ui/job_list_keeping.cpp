#include "ui/job_list_keeping.h"

#include "jobs/job_list_file.h"
#include "ui/failure_report.h"

namespace qv {

std::string LoadJobList(App& app) {
  if (!app.keepsJobList) return {};
  const std::string path = JobListPath(app.platform);
  JobListFile file = ReadJobList(app.platform.files, path);
  if (file.status == JobListStatus::Read) app.form.AddItems(ControlId::JobList, std::move(file.lines));
  app.jobListWritten = app.form.ItemsRevision(ControlId::JobList);
  if (file.status != JobListStatus::Damaged) return {};
  const std::string aside = KeepDamagedJobListAside(app.platform);
  app.jobListWritable = !aside.empty();
  return "The job list was not loaded from " + path + ": " + file.reason + ".\n" +
         (aside.empty() ? "It could not be moved aside, so the job list is not kept in it until the next start."
                        : "It is kept as " + aside + "; the job list starts empty.");
}

bool JobListKept(App& app) {
  const unsigned revision = app.form.ItemsRevision(ControlId::JobList);
  if (!app.keepsJobList || revision == app.jobListWritten) return true;
  if (!app.jobListWritable ||
      !WriteJobList(app.platform.files, JobListPath(app.platform), app.form.Items(ControlId::JobList))) {
    return false;
  }
  app.jobListWritten = revision;
  app.jobListFailureTold = false;
  return true;
}

void KeepJobList(App& app) {
  if (JobListKept(app) || app.jobListFailureTold || !app.jobListWritable) return;
  app.jobListFailureTold = true;
  ReportProblem(app.platform.dialogs, "The job list could not be written to " + JobListPath(app.platform) +
                                          ".\nIts changes are kept while the program runs; closing asks before "
                                          "they would be lost.");
}

}  // namespace qv
