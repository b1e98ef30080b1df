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

void ReportUnusablePath(platform::Dialogs& dialogs, const UnusablePath& unusable) {
  dialogs.ShowMessage(kCaption, "The job was not added: \"" + std::string(unusable.name) + "\" " + unusable.reason +
                                    ":\n" + unusable.text);
}

void ReportRefusedInputs(platform::Dialogs& dialogs, const std::vector<RefusedInput>& refused) {
  if (refused.empty()) return;
  std::string text = refused.size() == 1 ? "This input was not added:" : "These inputs were not added:";
  for (const RefusedInput& input : refused) {
    text += "\n" + input.input + " (\"" + input.unusable.name + "\" " + input.unusable.reason + ")";
  }
  dialogs.ShowMessage(kCaption, text);
}

void ReportProblem(platform::Dialogs& dialogs, const std::string& text) { dialogs.ShowMessage(kCaption, text); }

void ReportNotStarted(platform::Dialogs& dialogs, const std::string& path) {
  dialogs.ShowMessage(kCaption, "This batch could not be started:\n" + path);
}

}  // namespace qv
