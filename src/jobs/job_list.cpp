#include "jobs/job_list.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "commands/audio_command.h"
#include "commands/script_dialect.h"
#include "jobs/job_script.h"
#include "jobs/read_back.h"
#include "text/placeholders.h"
#include "jobs/batch_bytes.h"
#include "text/batch_text.h"
#include "commands/pass_command.h"
#include "catalog/audio_encoders.h"
#include "catalog/muxers.h"
#include "settings/batch_values.h"
#include "text/number_text.h"
#include "text/path_parts.h"
#include "text/placeholders.h"
#include "text/wide_text.h"

namespace qv {
namespace {

struct PathField {
  ControlId field;
  const char* name;
  bool (*used)(const Form& form);
};

bool Always(const Form&) { return true; }
bool StatsUsed(const Form& form) { return HasTrait(form.Number(ControlId::Mode), kUsesStats); }
bool LogUsed(const Form& form) { return form.Number(ControlId::CreateLog) != 0; }

constexpr PathField kJobFields[] = {
    {ControlId::Input, "Input file", Always},
    {ControlId::Output, "Output file", Always},
    {ControlId::Stats, "Statsfile name", StatsUsed},
    {ControlId::Log, "Logfile", LogUsed},
};

// A tool would open the device and wait on it, or write to it.
constexpr const char* kDeviceReason = "is named like a device (CON, NUL, AUX, PRN, COM1, LPT1...), whatever its extension";
constexpr const char* kUnsafeReason = "holds a double quote or a control character, or starts with \"-\"";

bool WritesOutput(EncodeMode passMode) { return (EncodeModeRow(passMode).traits & kDiscardsOutput) == 0; }

// True when the job's lines encode audio: an audio-only job, or audio after
// a last pass that writes the output.
bool EncodesAudio(const Form& form) {
  const MuxerSpec* muxer = FindMuxer(form.Number(ControlId::Muxer));
  if (muxer != nullptr && muxer->audioOnly) return true;
  const EncodeModeSpec* mode = FindEncodeMode(form.Number(ControlId::Mode));
  if (form.Number(ControlId::Audio) == 0 || mode == nullptr || mode->passCount == 0) return false;
  return WritesOutput(mode->passes[mode->passCount - 1].passMode);
}

// One path that one step of the job reads from its command line.
struct StepPath {
  StepReading reads;
  ControlId field;  // the field that the path is, or is made from
  std::string path;
};

// Every path on the command line of each step that the job's batch lines
// run, with the step's reading. The helper programs of this project, the
// command interpreter's own commands and teelog read the wide command line.
std::vector<StepPath> StepPaths(const Form& form, X264Syntax syntax) {
  using C = ControlId;
  const std::string input = form.Text(C::Input), output = form.Text(C::Output);
  const MuxerSpec* muxer = FindMuxer(form.Number(C::Muxer));
  const bool audioOnly = muxer != nullptr && muxer->audioOnly;
  std::vector<StepPath> paths;
  if (!audioOnly) {
    const StepReading x264 = syntax == X264Syntax::Classic ? kClassicX264Reading : kCurrentX264Reading;
    paths.push_back({x264, C::Input, input});
    paths.push_back({x264, C::Output, output});
    if (StatsUsed(form)) paths.push_back({x264, C::Stats, form.Text(C::Stats)});
  }
  const AudioEncoderSpec* encoder = FindAudioEncoder(form.Number(C::AudioEncoder));
  if (!EncodesAudio(form) || encoder == nullptr) return paths;
  const std::string audio = ReplaceExtension(output, encoder->fileEnding);
  paths.push_back({encoder->piped ? kPipeToolReading : encoder->reads, C::Input, input});
  paths.push_back({encoder->reads, C::Output, audio});
  if (audioOnly || muxer == nullptr || muxer->lines[0] == nullptr) return paths;
  paths.push_back({muxer->reads, C::Output, audio});
  paths.push_back({muxer->reads, C::Output, output});
  if (muxer->mergedEnding != nullptr) paths.push_back({muxer->reads, C::Output, MergedName(*muxer, output)});
  return paths;
}

std::string CodePointName(std::string_view character) {
  const std::u16string units = ToUtf16(character);
  char32_t value = units.empty() ? 0 : units[0];
  if (units.size() == 2) value = 0x10000 + ((value - 0xD800) << 10) + (units[1] - 0xDC00);
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(value));
  return name;
}

// Why `reads` cannot carry `path` exactly, naming the step and the first
// character it would change; empty when it carries the whole path.
std::string Uncarried(const StepReading& reads, std::string_view path, platform::CodePages& codePages) {
  if (reads.reading == ArgumentReading::Unicode) return {};
  for (std::size_t at = 0, length = 0; at < path.size(); at += length) {
    length = Utf8SequenceLength(path, at);
    if (length == 0) return {};  // no batch carries it at all, which is told before
    const std::string_view character = path.substr(at, length);
    if (character == "^" && reads.reading == ArgumentReading::PipeScript) {
      return std::string("holds \"^\", which ") + reads.step + " reads as a double quote in its script";
    }
    if (!IsAscii(character) && !codePages.ToAnsi(character)) {
      return "holds \"" + std::string(character) + "\" (" + CodePointName(character) + "), which " + reads.step +
             " reads in the ANSI code page, where it has no exact form";
    }
  }
  return {};
}

void AppendAudioLines(const Form& form, std::vector<std::string>& lines) {
  std::vector<std::string> audio = AudioCommands(form, form.Number(ControlId::AudioEncoder));
  lines.insert(lines.end(), std::make_move_iterator(audio.begin()), std::make_move_iterator(audio.end()));
}

std::string RateValue(const Form& form, RateSource source) {
  return BatchNumber(form, source == RateSource::FirstPassCrf ? ControlId::Auto1pCrf : ControlId::Value);
}

void AppendPasses(const Form& form, X264Syntax syntax, std::vector<std::string>& lines) {
  const EncodeModeSpec* mode = FindEncodeMode(form.Number(ControlId::Mode));
  if (mode == nullptr) return;
  for (std::size_t i = 0; i < mode->passCount; ++i) {
    const PlannedPass& pass = mode->passes[i];
    const bool last = i + 1 == mode->passCount;
    if (last && (mode->traits & kSizeCheck) != 0) lines.push_back(SizeCheckCommand(form));
    const std::string rate = RateValue(form, pass.rate);
    // Audio and mux follow the last pass only: an earlier pass that writes
    // the output (the first pass of the conditional mode) may be redone, and
    // muxing its output as well would give the file a second audio track.
    if (last) {
      AddPassLines(form, syntax, pass.passMode, rate, lines);
    } else {
      lines.push_back(BuildPassCommand(form, syntax, pass.passMode, rate));
    }
  }
}

// The label of a job's end: the same job lines give the same label, so that
// a batch is written the same each time.
std::string JobEndLabel(const std::vector<std::string>& lines) {
  std::uint32_t hash = 2166136261u;
  for (const std::string& line : lines) {
    for (const char c : line) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    hash = (hash ^ '\n') * 16777619u;
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string label = "job_end_";
  for (int shift = 28; shift >= 0; shift -= 4) label += kDigits[(hash >> shift) & 15u];
  return label;
}

}  // namespace

std::vector<std::string> MissingJobFolders(const Form& form, const platform::Platform& platform) {
  std::vector<std::string> missing;
  for (const PathField& path : kJobFields) {
    if (path.field == ControlId::Input || !path.used(form)) continue;
    std::string folder(FolderPart(form.Text(path.field)));
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    // A drive or a share is there or not; no line makes one.
    if (folder.empty() || RootPart(folder) == folder) continue;
    const std::string asked = StartOf(folder) == PathStart::CurrentFolder ? platform.programFolder + folder : folder;
    if (platform.files.FolderExists(WithTrailingSeparator(asked))) continue;
    if (std::find(missing.begin(), missing.end(), folder) == missing.end()) missing.push_back(std::move(folder));
  }
  return missing;
}

std::vector<std::string> MakeFolderLines(ScriptDialect dialect, const std::vector<std::string>& folders,
                                         const std::string& end) {
  const DialectSyntax& syntax = Dialect(dialect);
  std::vector<std::string> lines;
  for (const std::string& folder : folders) {
    const std::string quoted = syntax.checkQuote(folder);
    const std::string within = syntax.checkQuote(WithTrailingSeparator(folder));
    for (const char* line : syntax.makeFolder) {
      if (line != nullptr) {
        lines.push_back(FillPlaceholders(line, {{"{folder}", quoted}, {"{within}", within}, {"{end}", end}}));
      }
    }
  }
  return lines;
}

bool IsUnusablePath(std::string_view path) {
  return HoldsQuoteOrControl(path) || (!path.empty() && path.front() == '-');
}

std::optional<UnusablePath> FindUnusablePath(const Form& form, platform::CodePages& codePages,
                                             std::optional<X264Syntax> batchSyntax) {
  for (const PathField& path : kJobFields) {
    if (!path.used(form)) continue;
    std::string text = form.Text(path.field);
    const char* reason = nullptr;
    if (IsUnusablePath(text)) {
      reason = kUnsafeReason;
    } else if (!Utf8Carries(text)) {
      reason = kNoUtf8Reason;
    } else if (IsDeviceName(FilePart(text))) {
      reason = kDeviceReason;
    }
    if (reason) return UnusablePath{path.field, path.name, std::move(text), reason};
  }
  if (!batchSyntax) return std::nullopt;
  for (StepPath& step : StepPaths(form, *batchSyntax)) {
    std::string reason = Uncarried(step.reads, step.path, codePages);
    if (reason.empty()) continue;
    for (const PathField& path : kJobFields) {
      if (path.field == step.field) return UnusablePath{path.field, path.name, std::move(step.path), std::move(reason)};
    }
  }
  return std::nullopt;
}

std::vector<std::string> JobLines(const Form& form, X264Syntax syntax, const std::vector<std::string>& missingFolders) {
  std::vector<std::string> lines;
  const std::string input = form.Text(ControlId::Input);
  const std::string output = form.Text(ControlId::Output);
  if (input.empty() || output.empty()) return lines;
  for (const PathField& path : kJobFields) {
    if (path.used(form) && IsUnusablePath(form.Text(path.field))) return lines;
  }

  lines = JobEchoLines(form, ScriptDialect::Cmd);
  const std::size_t firstStep = lines.size();
  const DialectSyntax& dialect = Dialect(ScriptDialect::Cmd);
  const SkipDoneBlock block = form.Number(ControlId::SkipDone) != 0 ? SkipDoneLines(dialect, FinalOutput(form)) : SkipDoneBlock{};
  lines.insert(lines.end(), block.start.begin(), block.start.end());
  const MuxerSpec* muxer = FindMuxer(form.Number(ControlId::Muxer));
  if (muxer != nullptr && muxer->audioOnly) {
    AppendAudioLines(form, lines);
  } else {
    AppendPasses(form, syntax, lines);
  }
  lines.insert(lines.end(), block.end.begin(), block.end.end());
  if (missingFolders.empty()) return lines;
  // The folder lines stand before the block of a skipped job, since a jump
  // out of a block would end it.
  const std::string end = JobEndLabel(lines);
  std::vector<std::string> made = MakeFolderLines(ScriptDialect::Cmd, missingFolders, end);
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(firstStep), made.begin(), made.end());
  lines.push_back(FillPlaceholders(dialect.jobEnd, {{"{end}", end}}));
  return lines;
}

bool AppendJobLines(Form& form, X264Syntax syntax, const platform::Platform& platform,
                    std::vector<std::string>& lines) {
  std::vector<std::string> job = JobLines(form, syntax, MissingJobFolders(form, platform));
  if (job.empty()) return false;
  if (lines.empty()) {
    lines = std::move(job);
  } else {
    lines.insert(lines.end(), std::make_move_iterator(job.begin()), std::make_move_iterator(job.end()));
  }
  for (const PathField& path : kJobFields) form.SetText(path.field, "");
  return true;
}

void QueueJobLines(Form& form, std::vector<std::string> lines) {
  int at = form.ItemCount(ControlId::JobList);
  while (at > 0 && form.Item(ControlId::JobList, at - 1) == kShutdownLine) --at;
  form.InsertItems(ControlId::JobList, at, std::move(lines));
}

bool AddJob(Form& form, X264Syntax syntax, const platform::Platform& platform) {
  std::vector<std::string> lines;
  if (!AppendJobLines(form, syntax, platform, lines)) return false;
  QueueJobLines(form, std::move(lines));
  return true;
}

void AddPassLines(const Form& form, X264Syntax syntax, EncodeMode passMode, const std::string& rateValue,
                  std::vector<std::string>& lines) {
  lines.push_back(BuildPassCommand(form, syntax, passMode, rateValue));
  if (form.Number(ControlId::Audio) != 0 && WritesOutput(passMode)) AppendAudioLines(form, lines);
}

void AppendShutdown(Form& form) { form.AddItem(ControlId::JobList, kShutdownLine); }

void ClearJobs(Form& form) { form.ClearItems(ControlId::JobList); }

void DeleteSelectedJobLine(Form& form) {
  const int selected = form.Selection(ControlId::JobList);
  if (selected >= 0) form.RemoveItem(ControlId::JobList, selected);
}

void MoveSelectedJobLineUp(Form& form) {
  const int selected = form.Selection(ControlId::JobList);
  if (selected <= 0) return;
  // A copy goes in above the line's neighbour; the original, pushed one
  // down by the insertion, then goes.
  form.InsertItem(ControlId::JobList, selected - 1, form.Item(ControlId::JobList, selected));
  form.RemoveItem(ControlId::JobList, selected + 1);
  form.Select(ControlId::JobList, selected - 1);
}

void MoveSelectedJobLineDown(Form& form) {
  const int selected = form.Selection(ControlId::JobList);
  if (selected < 0 || selected >= form.ItemCount(ControlId::JobList) - 1) return;
  form.InsertItem(ControlId::JobList, selected + 2, form.Item(ControlId::JobList, selected));
  form.RemoveItem(ControlId::JobList, selected);
  form.Select(ControlId::JobList, selected + 1);
}

}  // namespace qv
