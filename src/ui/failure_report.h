#pragma once
// Telling the user that a file they asked for was not written, added or
// started.

#include <string>
#include <vector>

#include "jobs/input_queue.h"
#include "platform/platform.h"

namespace qv {

// One message box naming every file that could not be written.
void ReportUnwritten(platform::Dialogs& dialogs, const std::vector<std::string>& paths);

// Wrapper scripts that could not be written, whose jobs were not added.
void ReportUnwrittenWrappers(platform::Dialogs& dialogs, const std::vector<std::string>& paths);

// A source that needs a wrapper, with no include script in `folder` to import.
void ReportNoIncludeScript(platform::Dialogs& dialogs, const std::string& folder);

// The same files named in the question whether to close anyway; true for Yes.
bool AskCloseAnyway(platform::Dialogs& dialogs, const std::vector<std::string>& paths);

// One message box naming a config name that no file may carry, or asking
// for a name when there is none.
void ReportInvalidConfigName(platform::Dialogs& dialogs, const std::string& name);

// One message box naming a job field whose path the job cannot use.
void ReportUnusablePath(platform::Dialogs& dialogs, const UnusablePath& unusable);

// One message box naming every input (dropped or chosen) that gave no job, and why.
void ReportRefusedInputs(platform::Dialogs& dialogs, const std::vector<RefusedInput>& refused);

// One message box with a text of its own.
void ReportProblem(platform::Dialogs& dialogs, const std::string& text);

// One message box naming the batch that could not be started.
void ReportNotStarted(platform::Dialogs& dialogs, const std::string& path);

}  // namespace qv
