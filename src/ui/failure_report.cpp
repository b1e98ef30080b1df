#include "ui/failure_report.h"

namespace qv {
namespace {

constexpr const char* kCaption = "quorvelan";

}  // namespace

void ReportUnwritten(platform::Dialogs& dialogs, const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  std::string text = paths.size() == 1 ? "This file could not be written:" : "These files could not be written:";
  for (const std::string& path : paths) text += "\n" + path;
  dialogs.ShowMessage(kCaption, text);
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
