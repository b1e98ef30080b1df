#pragma once
// Telling the user that a file they asked for was not written, added or
// started.

#include <string>
#include <vector>

#include "platform/platform.h"

namespace qv {

// One message box naming every file that could not be written.
void ReportUnwritten(platform::Dialogs& dialogs, const std::vector<std::string>& paths);

// The same files named in the question whether to close anyway; true for Yes.
bool AskCloseAnyway(platform::Dialogs& dialogs, const std::vector<std::string>& paths);

// One message box naming the inputs (dropped or chosen) that were not added
// as jobs.
void ReportRefusedInputs(platform::Dialogs& dialogs, const std::vector<std::string>& paths);

// One message box naming a config name that no file may carry.
void ReportInvalidConfigName(platform::Dialogs& dialogs, const std::string& name);

// One message box naming a job field whose path no batch may carry.
void ReportUnusablePath(platform::Dialogs& dialogs, const std::string& fieldName, const std::string& path);

// One message box with a text of its own.
void ReportProblem(platform::Dialogs& dialogs, const std::string& text);

// One message box naming the batch that could not be started.
void ReportNotStarted(platform::Dialogs& dialogs, const std::string& path);

}  // namespace qv
