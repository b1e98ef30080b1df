#include "jobs/job_paths.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "catalog/audio_encoders.h"
#include "catalog/encode_modes.h"
#include "catalog/muxers.h"
#include "commands/audio_command.h"
#include "jobs/batch_bytes.h"
#include "jobs/job_list.h"
#include "jobs/read_back.h"
#include "text/case_fold.h"
#include "text/path_parts.h"
#include "text/wide_text.h"

namespace qv {
namespace {

constexpr const char* kInputFilter = "AVS(*.avs)|*.AVS|Other Media|*.*";
constexpr const char* kOutputFilter = "MP4(*.mp4)|*.MP4|MKV(*.mkv)|*.MKV|RAW(*.264)|*.264";
constexpr const char* kEmptyReason = "is empty";

// The file name with " (N)" before its extension; the name itself for 1.
std::string NumberedName(std::string_view file, int number) {
  if (number == 1) return std::string(file);
  const std::string_view extension = ExtensionPart(file);
  const std::string_view stem = extension.empty() ? file : file.substr(0, file.size() - extension.size() - 1);
  return std::string(stem) + " (" + std::to_string(number) + ")" + (extension.empty() ? "" : ".") +
         std::string(extension);
}

}  // namespace

std::vector<std::string> OutputFiles(const Form& form, const std::string& output) {
  std::vector<std::string> files{output};
  const MuxerSpec* muxer = FindMuxer(form.Number(ControlId::Muxer));
  const bool audio = form.Number(ControlId::Audio) != 0 || (muxer != nullptr && muxer->audioOnly);
  if (!audio) return files;
  if (const AudioEncoderSpec* encoder = FindAudioEncoder(form.Number(ControlId::AudioEncoder))) {
    files.push_back(ReplaceExtension(output, encoder->fileEnding));
  }
  if (muxer != nullptr && muxer->mergedEnding != nullptr) files.push_back(MergedName(*muxer, output));
  return files;
}

namespace {

// The first of `name`'s numbered forms (the name itself, then " (2)", ...)
// whose files `free` accepts.
template <typename Files, typename Free>
std::vector<std::string> FirstFree(const std::string& file, Files filesOf, Free free) {
  for (int number = 1;; ++number) {
    std::vector<std::string> files = filesOf(NumberedName(file, number));
    if (free(files)) return files;
  }
}

}  // namespace

DeriveResult DeriveJobPaths(Form& form, const platform::Platform& platform, const std::string& outputFolder,
                            TakenNames& taken, JobUse use, Wrapping wrapping, X264Syntax syntax) {
  const std::string input = form.Text(ControlId::Input);
  if (input.empty()) return {};

  const std::string& programFolder = platform.programFolder;
  // A batch is read on Windows, wherever it was made; a shell script on a
  // POSIX system.
  const char separator = wrapping == Wrapping::None ? '/' : '\\';
  const bool wrapped = wrapping == Wrapping::NonAviSynth && !IsAviSynthExtension(ExtensionPart(input));
  // A wrapper names its source in UTF-8, which must carry the whole path,
  // its folder as well as its name.
  if (wrapped && !Utf8Carries(input)) {
    DeriveResult refused;
    refused.unusable = UnusablePath{ControlId::Input, "Input file", input, kNoUtf8Reason};
    return refused;
  }
  if (taken.Written(input)) {
    DeriveResult refused;
    refused.unusable = UnusablePath{ControlId::Input, "Input file", input, kWrittenSourceReason};
    return refused;
  }
  // Each file the job writes takes the first name that neither a queued job
  // reads or writes nor is the source itself (x264 empties its output as it
  // starts, before it has read a frame). Derived from the input as chosen,
  // before a wrapper replaces it, so the names carry the source's own name
  // and extension.
  const std::string sourceKey = platform.files.PathKey(input);
  const auto free = [&](const std::vector<std::string>& files) {
    return std::none_of(files.begin(), files.end(), [&](const std::string& file) {
      const std::string key = platform.files.PathKey(file);
      return key == sourceKey || taken.Taken(key);
    });
  };
  // "x.avi::$DATA" is the file x.avi, and names its files as that.
  const std::string file(FilePart(WithoutAliases(input)));
  DeriveResult result;
  result.source = input;
  const std::vector<std::string> stats = FirstFree(
      file, [&](const std::string& name) { return StatisticsFiles(programFolder + "stats" + separator + name + ".stat"); },
      free);
  const std::vector<std::string> log = FirstFree(
      file, [&](const std::string& name) { return std::vector<std::string>{programFolder + "log" + separator + name + ".txt"}; },
      free);
  const std::vector<std::string> outputs = FirstFree(
      file, [&](const std::string& name) { return OutputFiles(form, outputFolder + ReplaceExtension(name, "mp4")); },
      free);
  form.SetText(ControlId::Stats, stats.front());
  form.SetText(ControlId::Log, log.front());
  form.SetText(ControlId::Output, outputs.front());
  result.reads = {input};
  for (const auto* files : {&stats, &log, &outputs}) result.writes.insert(result.writes.end(), files->begin(), files->end());
  if (!wrapped) {
    if (use == JobUse::AddedAtOnce) {
      result.unusable = FindUnusablePath(form, platform.codePages,
                                         wrapping == Wrapping::NonAviSynth ? std::optional(syntax) : std::nullopt);
    }
    return result;
  }

  // A wrapper that a batch may still read is never rewritten to mean
  // another source: one whose file holds other text takes another name.
  const std::string includeScript = form.Text(ControlId::IncludeScript);
  result.wrapperText = WrapperText(input, includeScript);
  const std::vector<std::string> wrapper = FirstFree(
      file, [&](const std::string& name) { return std::vector<std::string>{programFolder + "avs" + separator + name + ".avs"}; },
      [&](const std::vector<std::string>& files) {
        if (!free(files)) return false;
        const platform::FileContent there = platform.files.ReadFile(files.front(), result.wrapperText.size());
        return there.status == platform::ReadStatus::Missing ||
               (there.status == platform::ReadStatus::Read && there.bytes == result.wrapperText);
      });
  result.wrapperPath = wrapper.front();
  result.reads.push_back(result.wrapperPath);
  form.SetText(ControlId::Input, result.wrapperPath);
  if (use == JobUse::AddedAtOnce) {
    if (std::optional<UnusablePath> unusable = FindUnusablePath(form, platform.codePages, syntax)) {
      result.unusable = std::move(unusable);
      return result;
    }
  }
  // Until its wrapper is there the field names the source, so that "Add"
  // tries again rather than queue a job whose wrapper is missing.
  if (includeScript.empty()) {
    form.SetText(ControlId::Input, input);
    result.wrapper = WrapperOutcome::NoIncludeScript;
    result.wrapperPath = programFolder + "avsinc";
    return result;
  }
  result.wrapper = platform.files.FileExists(result.wrapperPath) ? WrapperOutcome::Unchanged : WrapperOutcome::Ready;
  return result;
}

bool WriteWrapper(Form& form, const platform::Platform& platform, DeriveResult& derived) {
  if (derived.wrapper != WrapperOutcome::Ready) return derived.wrapper != WrapperOutcome::Failed;
  const bool written = platform.files.WriteFile(derived.wrapperPath, derived.wrapperText);
  derived.wrapper = written ? WrapperOutcome::Written : WrapperOutcome::Failed;
  if (!written) form.SetText(ControlId::Input, derived.source);
  return written;
}

DeriveResult PickInput(Form& form, const platform::Platform& platform) {
  const std::string path = platform.dialogs.OpenFile("", "", kInputFilter);
  if (path.empty()) return {};
  form.SetText(ControlId::Input, path);
  TakenNames taken(platform);
  taken.AddLines(form.Items(ControlId::JobList));
  DeriveResult derived = DeriveJobPaths(form, platform, std::string(FolderPart(path)), taken, JobUse::EditedFirst);
  WriteWrapper(form, platform, derived);
  return derived;
}

DeriveResult PrepareAddedJob(Form& form, const platform::Platform& platform) {
  const std::string input = form.Text(ControlId::Input);
  if (input.empty()) {
    DeriveResult refused;
    refused.unusable = UnusablePath{ControlId::Input, "Input file", input, kEmptyReason};
    return refused;
  }
  if (platform.files.FolderExists(input)) {
    DeriveResult refused;
    refused.unusable = UnusablePath{ControlId::Input, "Input file", input, kFolderReason};
    return refused;
  }
  constexpr ControlId kDerived[] = {ControlId::Stats, ControlId::Log, ControlId::Output};
  std::string typed[std::size(kDerived)];
  bool complete = IsAviSynthExtension(ExtensionPart(input));
  for (std::size_t i = 0; i < std::size(kDerived); ++i) {
    typed[i] = form.Text(kDerived[i]);
    complete = complete && !typed[i].empty();
  }
  if (complete) return {};
  TakenNames taken(platform);
  taken.AddLines(form.Items(ControlId::JobList));
  DeriveResult derived = DeriveJobPaths(form, platform, std::string(FolderPart(input)), taken, JobUse::EditedFirst);
  WriteWrapper(form, platform, derived);
  for (std::size_t i = 0; i < std::size(kDerived); ++i) {
    if (!typed[i].empty()) form.SetText(kDerived[i], typed[i]);
  }
  return derived;
}

std::optional<UnusablePath> FindClashingPath(const Form& form, const platform::Platform& platform) {
  const std::string input = form.Text(ControlId::Input);
  const std::string source = WrapperSource(platform.files, input).value_or(input);
  const std::string ownKeys[] = {platform.files.PathKey(input), platform.files.PathKey(source)};
  TakenNames taken(platform);
  taken.AddLines(form.Items(ControlId::JobList));
  struct Written {
    ControlId field;
    const char* name;
    std::vector<std::string> files;
  };
  std::vector<Written> written{{ControlId::Output, "Output file", OutputFiles(form, form.Text(ControlId::Output))}};
  if (HasTrait(form.Number(ControlId::Mode), kUsesStats)) {
    written.push_back({ControlId::Stats, "Statsfile name", StatisticsFiles(form.Text(ControlId::Stats))});
  }
  if (form.Number(ControlId::CreateLog) != 0) {
    written.push_back({ControlId::Log, "Logfile", {form.Text(ControlId::Log)}});
  }
  for (const Written& field : written) {
    for (const std::string& file : field.files) {
      if (file.empty()) continue;
      const std::string key = platform.files.PathKey(file);
      const char* reason = key == ownKeys[0] || key == ownKeys[1] ? kOwnSourceReason
                           : taken.Taken(key)                      ? kTakenReason
                                                                   : nullptr;
      if (reason) return UnusablePath{field.field, field.name, form.Text(field.field), reason};
    }
  }
  return std::nullopt;
}

void PickOutput(Form& form, const platform::Platform& platform) {
  std::string path = platform.dialogs.SaveFile("", "", kOutputFilter);
  if (path.empty()) return;
  if (ExtensionPart(path).empty()) path += ".mp4";
  form.SetText(ControlId::Output, std::move(path));
}

}  // namespace qv
