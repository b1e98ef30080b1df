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

void ReportUnwrittenWrappers(platform::Dialogs& dialogs, const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  dialogs.ShowMessage(kCaption, UnwrittenText(paths) + (paths.size() == 1 ? "\n\nIts job was not added." : "\n\nTheir jobs were not added."));
}

void ReportNoIncludeScript(platform::Dialogs& dialogs, const std::string& folder) {
  dialogs.ShowMessage(kCaption,
                      "The job was not added: an input that is not an AviSynth script is opened by an include script, "
                      "and there is none. Put one (a .avs file that opens the file named fs) into\n" +
                          folder + "\nand press \"Refresh\".");
}

bool AskCloseAnyway(platform::Dialogs& dialogs, const std::vector<std::string>& paths) {
  return dialogs.AskYesNo(kCaption, UnwrittenText(paths) + "\n\nClose anyway?");
}

void ReportInvalidConfigName(platform::Dialogs& dialogs, const std::string& name) {
  dialogs.ShowMessage(kCaption, name.empty() ? "Type the name of a config into the box beside \"S\" and \"L\" first."
                                             : "A config file cannot be named:\n" + name);
}

void ReportUnusablePath(platform::Dialogs& dialogs, const UnusablePath& unusable) {
  const std::string path = unusable.text.empty() ? "." : ":\n" + unusable.text;
  dialogs.ShowMessage(kCaption, "The job was not added: \"" + std::string(unusable.name) + "\" " + unusable.reason + path);
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
