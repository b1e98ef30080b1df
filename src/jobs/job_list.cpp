#include "jobs/job_list.h"

#include <utility>

#include "commands/audio_command.h"
#include "commands/script_dialect.h"
#include "jobs/job_script.h"
#include "text/placeholders.h"
#include "jobs/batch_bytes.h"
#include "text/batch_text.h"
#include "commands/pass_command.h"
#include "catalog/muxers.h"
#include "settings/batch_values.h"
#include "text/number_text.h"

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

constexpr const char* kUnsafeReason = "holds a double quote or a control character, or starts with \"-\"";

bool WritesOutput(EncodeMode passMode) { return (EncodeModeRow(passMode).traits & kDiscardsOutput) == 0; }

// True when the job's lines feed its input to bepipe.exe: an audio-only job,
// or audio after a last pass that writes the output.
bool PipesAudio(const Form& form) {
  const MuxerSpec* muxer = FindMuxer(form.Number(ControlId::Muxer));
  if (muxer != nullptr && muxer->audioOnly) return true;
  const EncodeModeSpec* mode = FindEncodeMode(form.Number(ControlId::Mode));
  if (form.Number(ControlId::Audio) == 0 || mode == nullptr || mode->passCount == 0) return false;
  return WritesOutput(mode->passes[mode->passCount - 1].passMode);
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

}  // namespace

bool IsUnusablePath(std::string_view path) {
  return HoldsQuoteOrControl(path) || (!path.empty() && path.front() == '-');
}

std::optional<UnusablePath> FindUnusablePath(const Form& form, platform::CodePages& codePages, bool windowsAudio) {
  const bool pipesAudio = windowsAudio && PipesAudio(form);
  for (const PathField& path : kJobFields) {
    if (!path.used(form)) continue;
    std::string text = form.Text(path.field);
    const char* reason = nullptr;
    if (IsUnusablePath(text)) {
      reason = kUnsafeReason;
    } else if (!Utf8Carries(text)) {
      reason = kNoUtf8Reason;
    } else if (path.field == ControlId::Input && pipesAudio && !codePages.ToAnsi(text)) {
      reason = "holds a character outside the ANSI code page, in which bepipe.exe reads it";
    }
    if (reason) return UnusablePath{path.field, path.name, std::move(text), reason};
  }
  return std::nullopt;
}

std::vector<std::string> JobLines(const Form& form, X264Syntax syntax) {
  std::vector<std::string> lines;
  const std::string input = form.Text(ControlId::Input);
  const std::string output = form.Text(ControlId::Output);
  if (input.empty() || output.empty()) return lines;
  for (const PathField& path : kJobFields) {
    if (path.used(form) && IsUnusablePath(form.Text(path.field))) return lines;
  }

  lines.push_back(kJobFirstLinePrefix + BatchEcho(input));
  lines.push_back("@echo Output:" + BatchEcho(output));
  lines.push_back("@echo Encode Mode:" + form.Text(ControlId::Mode));
  const DialectSyntax& dialect = Dialect(ScriptDialect::Cmd);
  const bool skipDone = form.Number(ControlId::SkipDone) != 0;
  if (skipDone) {
    lines.push_back(FillPlaceholders(dialect.skipDoneStart, {{"{output}", dialect.checkQuote(FinalOutput(form))}}));
  }
  const MuxerSpec* muxer = FindMuxer(form.Number(ControlId::Muxer));
  if (muxer != nullptr && muxer->audioOnly) {
    AppendAudioLines(form, lines);
  } else {
    AppendPasses(form, syntax, lines);
  }
  if (skipDone) lines.emplace_back(dialect.skipDoneEnd);
  return lines;
}

bool AppendJobLines(Form& form, X264Syntax syntax, std::vector<std::string>& lines) {
  std::vector<std::string> job = JobLines(form, syntax);
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

bool AddJob(Form& form, X264Syntax syntax) {
  std::vector<std::string> lines;
  if (!AppendJobLines(form, syntax, lines)) return false;
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
