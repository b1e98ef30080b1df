#include "ui/failure_report.h"

namespace qv {
namespace {

constexpr const char* kCaption = "quorvelan";

std::string Listed(std::string text, const std::vector<std::string>& paths) {
  for (const std::string& path : paths) text += "\n" + path;
  return text;
}

std::string UnwrittenText(const std::vector<std::string>& paths) {
  return Listed(paths.size() == 1 ? "This file could not be written:" : "These files could not be written:", paths);
}

}  // namespace

void ReportUnwritten(platform::Dialogs& dialogs, const std::vector<std::string>& paths) {
  if (!paths.empty()) dialogs.ShowMessage(kCaption, UnwrittenText(paths));
}

bool AskCloseAnyway(platform::Dialogs& dialogs, const std::vector<std::string>& paths) {
  return dialogs.AskYesNo(kCaption, UnwrittenText(paths) + "\n\nClose anyway?");
}

void ReportRefusedInputs(platform::Dialogs& dialogs, const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  dialogs.ShowMessage(kCaption, Listed("These were not added as jobs: folders, and names that hold a double "
                                       "quote or a control character or start with \"-\":",
                                       paths));
}

void ReportInvalidConfigName(platform::Dialogs& dialogs, const std::string& name) {
  dialogs.ShowMessage(kCaption, "A config file cannot be named:\n" + name);
}

void ReportUnusablePath(platform::Dialogs& dialogs, const std::string& fieldName, const std::string& path) {
  dialogs.ShowMessage(kCaption, "The job was not added: \"" + fieldName +
                                    "\" holds a double quote or a control character, or starts with \"-\":\n" +
                                    path);
}

void ReportProblem(platform::Dialogs& dialogs, const std::string& text) { dialogs.ShowMessage(kCaption, text); }

void ReportNotStarted(platform::Dialogs& dialogs, const std::string& path) {
  dialogs.ShowMessage(kCaption, "This batch could not be started:\n" + path);
}

}  // namespace qv
