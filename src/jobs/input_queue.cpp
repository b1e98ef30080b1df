#include "jobs/input_queue.h"

#include <algorithm>
#include <utility>

#include "jobs/folder_inputs.h"
#include "jobs/job_paths.h"
#include "jobs/taken_names.h"
#include "text/path_parts.h"

namespace qv {
namespace {

constexpr const char* kFilesInputFilter = "AVS(*.AVS)|*.avs|Other Media|*.*";

enum class Found { File, Folder, Nothing };

// One look at the file system for each input that is there.
Found Look(const platform::Platform& platform, const std::string& input) {
  if (platform.files.FileExists(input)) return Found::File;
  return platform.files.FolderExists(input) ? Found::Folder : Found::Nothing;
}

RefusedInput FolderRefused(std::size_t index, const std::string& input) {
  return {index, input, {ControlId::Input, "Input file", input, kFolderReason}};
}

}  // namespace

QueuedInputs QueueInputs(Form& form, const platform::Platform& platform, const std::vector<std::string>& inputs,
                         const std::string& outputFolder, X264Syntax syntax, const QueueHow& how) {
  QueuedInputs result;
  const bool stop = how.onProblem == OnProblem::Stop;
  std::vector<Found> found;
  found.reserve(inputs.size());
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    found.push_back(Look(platform, inputs[i]));
    if (found.back() == Found::Nothing) result.missing.push_back(inputs[i]);
    if (found.back() == Found::Folder && stop) {
      result.refused.push_back(FolderRefused(i, inputs[i]));
      return result;
    }
  }

  std::vector<std::string> lines;
  TakenNames taken(platform);
  taken.AddLines(form.Items(ControlId::JobList));
  taken.Reserve(inputs.size());
  // Every source of the run is read by its job, however late that comes.
  taken.AddJob(inputs, {});
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    const std::string& input = inputs[i];
    // Refused before a wrapper script could carry the name.
    if (found[i] == Found::Folder) {
      result.refused.push_back(FolderRefused(i, input));
      continue;
    }
    form.SetText(ControlId::Input, input);
    const std::string folderOfOutput = outputFolder.empty() ? std::string(FolderPart(input)) : outputFolder;
    DeriveResult derived = DeriveJobPaths(form, platform, folderOfOutput, taken, JobUse::AddedAtOnce, how.wrapping,
                                          syntax);
    if (derived.unusable) {
      result.refused.push_back({i, input, *derived.unusable});
      if (stop) return result;
      continue;
    }
    if (derived.wrapper == WrapperOutcome::NoIncludeScript) {
      result.refused.push_back({i, input, {ControlId::Input, "Input file", input, kNoIncludeScriptReason}});
      if (stop) return result;
      continue;
    }
    // Its batch would run a wrapper that is not there.
    if (!how.writeWrappersLater && !WriteWrapper(form, platform, derived)) {
      result.failedWrappers.push_back(derived.wrapperPath);
      if (stop) return result;
      continue;
    }
    if (how.eachJob) {
      if (std::string refusal = how.eachJob(input); !refusal.empty()) {
        result.jobRefusals.push_back(std::move(refusal));
        if (stop) return result;
        continue;
      }
    }
    if (!AppendJobLines(form, syntax, platform, lines)) {
      result.gaveNoJob.push_back(input);
      if (stop) return result;
      continue;
    }
    ++result.jobsAdded;
    taken.AddJob(derived.reads, derived.writes);
    if (how.writeWrappersLater && derived.wrapper == WrapperOutcome::Ready) {
      result.pendingWrappers.push_back({derived.wrapperPath, std::move(derived.wrapperText)});
    }
  }
  QueueJobLines(form, std::move(lines));
  return result;
}

std::string WritePendingWrappers(const platform::Platform& platform, const std::vector<PendingWrapper>& wrappers) {
  for (std::size_t i = 0; i < wrappers.size(); ++i) {
    if (platform.files.WriteFile(wrappers[i].path, wrappers[i].text)) continue;
    // Each of them was a new file: the run leaves none of them behind.
    for (std::size_t j = 0; j < i; ++j) platform.files.DeleteFile(wrappers[j].path);
    return wrappers[i].path;
  }
  return {};
}

QueuedInputs FilesInput(Form& form, const platform::Platform& platform, X264Syntax syntax) {
  const std::string chosen = platform.dialogs.BrowseFolder("Select a folder for output", platform.programFolder);
  if (chosen.empty()) return {};
  std::vector<std::string> inputs = platform.dialogs.OpenFiles("Select some files", "", kFilesInputFilter);
  const auto empty = std::find(inputs.begin(), inputs.end(), std::string());
  inputs.erase(empty, inputs.end());
  return QueueInputs(form, platform, inputs, WithTrailingSeparator(chosen), syntax, QueueHow{});
}

QueuedInputs DropFiles(Form& form, const platform::Platform& platform, const std::vector<std::string>& paths,
                       X264Syntax syntax) {
  const bool recursive =
      HoldsSubfolders(platform, paths) &&
      platform.dialogs.AskYesNo("Add folders", "A dropped folder holds folders of its own.\n"
                                               "Add the video files in them as well?");
  const FolderInputs expanded = ExpandFolders(platform, paths, recursive);
  QueuedInputs queued = QueueInputs(form, platform, expanded.inputs, "", syntax, QueueHow{});
  queued.folderSummary = FolderSummary(expanded);
  return queued;
}

}  // namespace qv
