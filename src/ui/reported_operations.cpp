#include "ui/reported_operations.h"

#include "jobs/batch_file.h"
#include "jobs/job_paths.h"
#include "settings/config_io.h"
#include "ui/failure_report.h"

namespace qv {

void SaveNamedConfigReporting(App& app) {
  const SaveResult result = SaveNamedConfig(app.form, app.platform);
  if (result.outcome == SaveOutcome::Failed) ReportUnwritten(app.platform.dialogs, {result.path});
}

void MakeBatchFileReporting(App& app) {
  const BatchResult result = MakeBatchFile(app.form, app.platform);
  if (result.outcome == BatchOutcome::Failed) ReportUnwritten(app.platform.dialogs, {result.path});
}

void StartBatchReporting(App& app) {
  const BatchResult result = StartBatch(app.form, app.platform);
  std::vector<std::string> unwritten;
  if (!result.stateSaved) unwritten.push_back(StateFilePath(app.platform));
  if (result.outcome == BatchOutcome::Failed) unwritten.push_back(result.path);
  ReportUnwritten(app.platform.dialogs, unwritten);
  if (result.outcome == BatchOutcome::NotStarted) ReportNotStarted(app.platform.dialogs, result.path);
}

void PickInputReporting(App& app) {
  const DeriveResult result = PickInput(app.form, app.platform);
  if (result.wrapper == WrapperOutcome::Failed) ReportUnwritten(app.platform.dialogs, {result.wrapperPath});
}

void FilesInputReporting(App& app) {
  ReportUnwritten(app.platform.dialogs, FilesInput(app.form, app.platform).failedWrappers);
}

}  // namespace qv
