#include "jobs/job_paths.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "catalog/muxers.h"
#include "jobs/batch_bytes.h"
#include "jobs/job_list.h"
#include "text/case_fold.h"
#include "text/path_parts.h"
#include "text/wide_text.h"

namespace qv {
namespace {

constexpr const char* kInputFilter = "AVS(*.avs)|*.AVS|Other Media|*.*";
constexpr const char* kOutputFilter = "MP4(*.mp4)|*.MP4|MKV(*.mkv)|*.MKV|RAW(*.264)|*.264";
constexpr const char* kEmptyReason = "is empty";

bool IsAviSynthExtension(std::string_view extension) {
  if (extension.size() != 3) return false;
  const char* avs = "AVS";
  for (std::size_t i = 0; i < 3; ++i) {
    if (std::toupper(static_cast<unsigned char>(extension[i])) != avs[i]) return false;
  }
  return true;
}

// Two lines: the source path for the include script, and its import. The
// import is relative to the avs folder, so the program folder may move.
// The script is UTF-8 without a byte-order mark, which AviSynth+ refuses; it
// takes the text of a script as it is, but reads a file name in the ANSI
// code page unless told "utf8=true".
std::string WrapperText(const std::string& source, const std::string& includeScript) {
  std::string text;
  text.reserve(source.size() + includeScript.size() + 60);
  text += "fs=\"";
  text += source;
  text += "\"\r\nimport(\"..\\avsinc\\";
  text += includeScript;
  text += IsAscii(includeScript) ? ".avs\")\r\n" : ".avs\", utf8=true)\r\n";
  return text;
}

// The file name with " (N)" before its extension; the name itself for 1.
std::string NumberedName(std::string_view file, int number) {
  if (number == 1) return std::string(file);
  const std::string_view extension = ExtensionPart(file);
  const std::string_view stem = extension.empty() ? file : file.substr(0, file.size() - extension.size() - 1);
  return std::string(stem) + " (" + std::to_string(number) + ")" + (extension.empty() ? "" : ".") +
         std::string(extension);
}

// True when the job on the form would merge its audio into a Matroska file
// named after its output.
bool MergesIntoMatroska(const Form& form) {
  if (form.Number(ControlId::Audio) == 0) return false;
  const MuxerSpec* muxer = FindMuxer(form.Number(ControlId::Muxer));
  if (muxer == nullptr) return false;
  return std::any_of(muxer->lines.begin(), muxer->lines.end(), [](const char* line) {
    return line != nullptr && std::string_view(line).find("{mkv}") != std::string_view::npos;
  });
}

// x264 empties its output as it starts, before it has read a frame, and a
// Matroska merge writes the output's name with ".mkv": neither may be the
// source itself. (The audio files end in ".audio.<ext>" after the source's
// own name, which no source's name with its single extension can match.)
bool OverwritesSource(const std::string& output, const std::string& source, bool matroska) {
  const std::string folded = FoldCase(source);
  return FoldCase(output) == folded || (matroska && FoldCase(ReplaceExtension(output, "mkv")) == folded);
}

}  // namespace

DeriveResult DeriveJobPaths(Form& form, const platform::Platform& platform, const std::string& outputFolder,
                            TakenNames& taken, JobUse use, Wrapping wrapping, X264Syntax syntax) {
  const std::string input = form.Text(ControlId::Input);
  if (input.empty()) return {WrapperOutcome::NotNeeded, {}, {}, {}};

  const std::string& programFolder = platform.programFolder;
  // A batch is read on Windows, wherever it was made; a shell script on a
  // POSIX system.
  const char separator = wrapping == Wrapping::None ? '/' : '\\';
  const bool wrapped = wrapping == Wrapping::NonAviSynth && !IsAviSynthExtension(ExtensionPart(input));
  // A wrapper names its source in UTF-8, which must carry the whole path,
  // its folder as well as its name.
  if (wrapped && !Utf8Carries(input)) {
    return {WrapperOutcome::NotNeeded, {}, {}, UnusablePath{ControlId::Input, "Input file", input, kNoUtf8Reason}};
  }
  // Derived from the input as chosen, before a wrapper replaces it, so the
  // names carry the source's own name and extension.
  std::vector<std::string> paths;
  const bool matroska = MergesIntoMatroska(form);
  for (int number = 1;; ++number) {
    const std::string file = NumberedName(FilePart(input), number);
    paths = {programFolder + "stats" + separator + file + ".stat", programFolder + "log" + separator + file + ".txt",
             outputFolder + ReplaceExtension(file, "mp4")};
    if (wrapped) paths.push_back(programFolder + "avs" + separator + file + ".avs");
    bool free = !OverwritesSource(paths[2], input, matroska);
    for (const std::string& path : paths) free = free && !taken.TakenByOther(path, input);
    if (free) break;
  }
  form.SetText(ControlId::Stats, paths[0]);
  form.SetText(ControlId::Log, paths[1]);
  form.SetText(ControlId::Output, paths[2]);
  if (wrapped) form.SetText(ControlId::Input, paths[3]);
  if (use == JobUse::AddedAtOnce) {
    if (std::optional<UnusablePath> unusable =
            FindUnusablePath(form, platform.codePages,
                             wrapping == Wrapping::NonAviSynth ? std::optional(syntax) : std::nullopt)) {
      return {WrapperOutcome::NotNeeded, {}, std::move(paths), std::move(unusable)};
    }
  }
  if (!wrapped) return {WrapperOutcome::NotNeeded, {}, std::move(paths), {}};

  // Until its wrapper is there the field names the source, so that "Add"
  // tries again rather than queue a job whose wrapper is missing.
  const std::string includeScript = form.Text(ControlId::IncludeScript);
  if (includeScript.empty()) {
    form.SetText(ControlId::Input, input);
    return {WrapperOutcome::NoIncludeScript, programFolder + "avsinc", std::move(paths), {}};
  }
  const std::string& wrapperPath = paths[3];
  const bool written = platform.files.WriteFile(wrapperPath, WrapperText(input, includeScript));
  if (!written) form.SetText(ControlId::Input, input);
  return {written ? WrapperOutcome::Written : WrapperOutcome::Failed, wrapperPath, std::move(paths), {}};
}

DeriveResult PickInput(Form& form, const platform::Platform& platform) {
  const std::string path = platform.dialogs.OpenFile("", "", kInputFilter);
  if (path.empty()) return {WrapperOutcome::NotNeeded, {}, {}, {}};
  form.SetText(ControlId::Input, path);
  TakenNames taken(platform);
  taken.AddLines(form.Items(ControlId::JobList));
  return DeriveJobPaths(form, platform, std::string(FolderPart(path)), taken, JobUse::EditedFirst);
}

DeriveResult PrepareAddedJob(Form& form, const platform::Platform& platform) {
  const std::string input = form.Text(ControlId::Input);
  if (input.empty()) return {WrapperOutcome::NotNeeded, {}, {}, UnusablePath{ControlId::Input, "Input file", input, kEmptyReason}};
  if (platform.files.FolderExists(input)) {
    return {WrapperOutcome::NotNeeded, {}, {}, UnusablePath{ControlId::Input, "Input file", input, kFolderReason}};
  }
  constexpr ControlId kDerived[] = {ControlId::Stats, ControlId::Log, ControlId::Output};
  std::string typed[std::size(kDerived)];
  bool complete = IsAviSynthExtension(ExtensionPart(input));
  for (std::size_t i = 0; i < std::size(kDerived); ++i) {
    typed[i] = form.Text(kDerived[i]);
    complete = complete && !typed[i].empty();
  }
  if (complete) return {WrapperOutcome::NotNeeded, {}, {}, {}};
  TakenNames taken(platform);
  taken.AddLines(form.Items(ControlId::JobList));
  DeriveResult derived = DeriveJobPaths(form, platform, std::string(FolderPart(input)), taken, JobUse::EditedFirst);
  for (std::size_t i = 0; i < std::size(kDerived); ++i) {
    if (!typed[i].empty()) form.SetText(kDerived[i], typed[i]);
  }
  return derived;
}

void PickOutput(Form& form, const platform::Platform& platform) {
  std::string path = platform.dialogs.SaveFile("", "", kOutputFilter);
  if (path.empty()) return;
  if (ExtensionPart(path).empty()) path += ".mp4";
  form.SetText(ControlId::Output, std::move(path));
}

}  // namespace qv
