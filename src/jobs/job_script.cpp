#include "jobs/job_script.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "catalog/audio_encoders.h"
#include "catalog/encode_modes.h"
#include "catalog/muxers.h"
#include "commands/audio_command.h"
#include "commands/pass_command.h"
#include "jobs/batch_bytes.h"
#include "jobs/job_list.h"
#include "jobs/read_back.h"
#include "settings/batch_values.h"
#include "text/path_parts.h"
#include "text/placeholders.h"
#include "text/shell_text.h"

namespace qv {
namespace {

using C = ControlId;

bool ExtensionIs(std::string_view path, std::string_view lower) {
  const std::string_view extension = ExtensionPart(path);
  if (extension.size() != lower.size()) return false;
  for (std::size_t i = 0; i < lower.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(extension[i])) != lower[i]) return false;
  }
  return true;
}

bool WritesOutput(EncodeMode passMode) { return (EncodeModeRow(passMode).traits & kDiscardsOutput) == 0; }

const MuxerSpec* JobMuxer(const Form& form) { return FindMuxer(form.Number(C::Muxer)); }
bool AudioOnly(const Form& form) {
  const MuxerSpec* muxer = JobMuxer(form);
  return muxer != nullptr && muxer->audioOnly;
}

// Whether the job encodes audio after its last pass (or only audio).
bool HasAudio(const Form& form) {
  if (AudioOnly(form)) return true;
  const EncodeModeSpec* mode = FindEncodeMode(form.Number(C::Mode));
  if (form.Number(C::Audio) == 0 || mode == nullptr || mode->passCount == 0) return false;
  return WritesOutput(mode->passes[mode->passCount - 1].passMode);
}

std::string AudioFile(const Form& form) {
  const AudioEncoderSpec* encoder = FindAudioEncoder(form.Number(C::AudioEncoder));
  return encoder == nullptr ? std::string() : ReplaceExtension(form.Text(C::Output), encoder->fileEnding);
}

std::string Joined(const std::vector<std::string>& lines, const char* lineEnd) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += lineEnd;
  }
  return text;
}

std::string SearchPathLines(const DialectSyntax& dialect, const std::vector<std::string>& folders) {
  std::string joined;
  for (const std::string& folder : folders) {
    // It would split into two entries.
    if (folder.find(dialect.folderSeparator) != std::string::npos) continue;
    if (!joined.empty()) joined += dialect.folderSeparator;
    joined += dialect.folderQuote(folder);
  }
  return FillPlaceholders(dialect.searchPath, {{"{folders}", joined}});
}

// What in the job only Windows can run; "" when the shell can run it all.
std::string ShellRefusal(const Form& form) {
  const std::string input = form.Text(C::Input);
  if (ExtensionIs(input, "avs")) return "the input " + input + " is an AviSynth script, which needs Windows";
  const std::string include = form.Text(C::IncludeScript);
  if (!include.empty()) {
    return "the include script \"" + include + "\" (avsinc) is an AviSynth script, which needs Windows";
  }
  if (!HasAudio(form)) return {};
  const AudioEncoderSpec* encoder = FindAudioEncoder(form.Number(C::AudioEncoder));
  if (encoder != nullptr && encoder->shellCommand == nullptr) {
    return std::string("the audio encoder \"") + encoder->listText +
           "\" (ae) reads through bepipe.exe, which needs Windows; \"ffmpeg AAC\" runs anywhere";
  }
  const MuxerSpec* muxer = JobMuxer(form);
  if (muxer != nullptr && muxer->needsWindows) {
    return std::string("the muxer \"") + muxer->listText + "\" (muxer) needs Windows";
  }
  return {};
}

// The shell's lines of one job, step by step, each checked.
class ShellJob {
 public:
  explicit ShellJob(const Form& form) : form_(form), output_(form.Text(C::Output)) {}

  std::vector<std::string> Lines() {
    if (AudioOnly(form_)) {
      AddAudio();
    } else {
      AddPasses();
    }
    return std::move(lines_);
  }
  const std::vector<std::string>& Needs() const { return needs_; }

 private:
  void Need(std::string_view tool) {
    for (const std::string& known : needs_) {
      if (known == tool) return;
    }
    needs_.emplace_back(tool);
  }

  void Step(const std::string& command, const std::string& failure) {
    lines_.push_back(indent_ + command + " || fail " + ShellQuoted(failure));
  }

  // x264 here has no MP4 writer of its own (Debian's writes raw, Matroska
  // or FLV): an MP4 output is written as Matroska, which keeps the frames'
  // times, and copied into MP4 by ffmpeg.
  void AddPass(EncodeMode passMode, const std::string& rate, int number) {
    Need("x264");
    const bool mp4 = WritesOutput(passMode) && ExtensionIs(output_, "mp4");
    const std::string written = mp4 ? ReplaceExtension(output_, "x264.mkv") : std::string();
    Step(BuildPassCommand(form_, X264Syntax::Current, passMode, rate, ScriptDialect::Sh, written),
         "x264 pass " + std::to_string(number) + " failed");
    if (!mp4) return;
    Need("ffmpeg");
    Step("ffmpeg -hide_banner -nostdin -v error -y -i " + ShellQuoted(written) + " -c copy " + ShellQuoted(output_),
         "ffmpeg could not copy the video into MP4");
    lines_.push_back(indent_ + "rm -f -- " + ShellQuoted(written));
  }

  void AddPasses() {
    const EncodeModeSpec* mode = FindEncodeMode(form_.Number(C::Mode));
    if (mode == nullptr) return;
    for (std::size_t i = 0; i < mode->passCount; ++i) {
      const PlannedPass& pass = mode->passes[i];
      const bool last = i + 1 == mode->passCount;
      const std::string rate =
          BatchNumber(form_, pass.rate == RateSource::FirstPassCrf ? C::Auto1pCrf : C::Value);
      if (last && (mode->traits & kSizeCheck) != 0) {
        OpenSizeCheck();
        AddPass(pass.passMode, rate, static_cast<int>(i) + 1);
        indent_.clear();
        lines_.push_back("fi");
      } else {
        AddPass(pass.passMode, rate, static_cast<int>(i) + 1);
      }
      if (last && form_.Number(C::Audio) != 0 && WritesOutput(pass.passMode)) AddAudio();
    }
  }

  // The next pass runs when the output's size lies outside the bounds (in
  // MB of 1,048,576 bytes) or the output is missing.
  void OpenSizeCheck() {
    Need("stat");
    const auto bytes = [this](ControlId field, bool up) {
      const double megabytes = std::strtod(BatchNumber(form_, field).c_str(), nullptr) * 1048576.0;
      const double whole = up ? std::ceil(megabytes) : std::floor(megabytes);
      return std::to_string(static_cast<long long>(std::fmax(0.0, std::fmin(whole, 9e18))));
    };
    lines_.push_back("size=$(stat -c %s -- " + ShellQuoted(output_) + " 2>/dev/null) || size=-1");
    lines_.push_back("if [ \"$size\" -lt " + bytes(C::MinSize, true) + " ] || [ \"$size\" -gt " +
                     bytes(C::MaxSize, false) + " ]; then");
    indent_ = "  ";
  }

  void AddAudio() {
    const AudioEncoderSpec* encoder = FindAudioEncoder(form_.Number(C::AudioEncoder));
    if (encoder == nullptr || encoder->shellCommand == nullptr) return;
    Need("ffmpeg");
    const std::string audio = AudioFile(form_);
    Step(FillPlaceholders(encoder->shellCommand, {{"{input}", ShellQuoted(form_.Text(C::Input))},
                                                  {"{audio}", ShellQuoted(audio)},
                                                  {"{rate}", BatchNumber(form_, C::AudioBitrate)}}),
         "the audio encoder failed");
    const MuxerSpec* muxer = JobMuxer(form_);
    if (muxer == nullptr || muxer->shellCommand == nullptr) return;
    const std::string program(muxer->shellCommand, std::string_view(muxer->shellCommand).find(' '));
    Need(program);
    std::string command = FillPlaceholders(muxer->shellCommand, {{"{audio}", ShellQuoted(audio)},
                                                                 {"{output}", ShellQuoted(output_)},
                                                                 {"{mkv}", ShellQuoted(MergedName(*muxer, output_))}});
    // A status up to the highest that still means success (warnings) passes.
    if (muxer->highestSuccess > 0) command += " || [ $? -le " + std::to_string(muxer->highestSuccess) + " ]";
    Step(command, program + " could not merge the audio");
    lines_.push_back("rm -f -- " + ShellQuoted(audio) + (muxer->mergedEnding != nullptr ? " " + ShellQuoted(output_) : ""));
  }

  const Form& form_;
  const std::string output_;
  std::string indent_;
  std::vector<std::string> lines_;
  std::vector<std::string> needs_;
};

JobScript CommandScript(const Form& form, X264Syntax syntax, const std::vector<std::string>& folders,
                        const std::string& title, const std::vector<std::string>& missingFolders) {
  const std::vector<std::string> lines = JobLines(form, syntax, missingFolders);
  if (lines.empty()) return {{}, "the job gives no lines", {}, 0};
  const std::string final = FinalOutput(form);
  return {CommandJobScript(lines, final, folders, title), {}, final, 0};
}

JobScript ShellScript(const Form& form, const std::vector<std::string>& folders, const std::string& title,
                      const std::vector<std::string>& missingFolders) {
  const DialectSyntax& dialect = Dialect(ScriptDialect::Sh);
  if (std::string refusal = ShellRefusal(form); !refusal.empty()) return {{}, std::move(refusal), {}, 0};
  if (JobLines(form, X264Syntax::Current).empty()) return {{}, "the job gives no lines", {}, 0};

  ShellJob job(form);
  const std::vector<std::string> steps = job.Lines();
  std::string needs;
  for (const std::string& tool : job.Needs()) needs += (needs.empty() ? "" : " ") + tool;
  const std::string final = FinalOutput(form);
  std::vector<std::string> lines = {
      dialect.comment + title,
      std::string(dialect.comment) + "Needs on the search path: " + needs,
      SearchPathLines(dialect, folders),
      "fail() { printf '%s\\n' \"$1\" >&2; exit 1; }",
      "for tool in " + needs + "; do",
      "  command -v \"$tool\" >/dev/null 2>&1 || fail \"$tool is not on the search path\"",
      "done",
  };
  for (std::string& echo : JobEchoLines(form, ScriptDialect::Sh)) lines.push_back(std::move(echo));
  // The folders come first: the skip-done mark is written into one of them.
  const std::vector<std::string> made = MakeFolderLines(ScriptDialect::Sh, missingFolders, {});
  lines.insert(lines.end(), made.begin(), made.end());
  const SkipDoneBlock block = form.Number(C::SkipDone) != 0 ? SkipDoneLines(dialect, final) : SkipDoneBlock{};
  lines.insert(lines.end(), block.start.begin(), block.start.end());
  lines.insert(lines.end(), steps.begin(), steps.end());
  lines.insert(lines.end(), block.end.begin(), block.end.end());
  lines.push_back(FillPlaceholders(dialect.finalCheck, {{"{final}", dialect.checkQuote(final)}}));
  return {dialect.scriptStart + Joined(lines, dialect.lineEnd), {}, final, 0};
}

}  // namespace

std::optional<std::string> JobScriptBytes(std::string text, ScriptDialect dialect, platform::CodePages& codePages) {
  const char* end = Dialect(dialect).scriptEnd;
  if (dialect == ScriptDialect::Cmd) return BatchBytes(std::move(text), end, codePages);
  return std::move(text.append(end));
}

std::string CommandJobScript(const std::vector<std::string>& lines, const std::string& finalOutput,
                             const std::vector<std::string>& folders, const std::string& title) {
  const DialectSyntax& dialect = Dialect(ScriptDialect::Cmd);
  std::string text = dialect.scriptStart;
  text += dialect.comment + title + dialect.lineEnd;
  text += SearchPathLines(dialect, folders) + dialect.lineEnd;
  text += Joined(lines, dialect.lineEnd);
  return text + FillPlaceholders(dialect.finalCheck, {{"{final}", dialect.checkQuote(finalOutput)}}) + dialect.lineEnd;
}

std::string FinalOutput(const Form& form) {
  if (AudioOnly(form)) return AudioFile(form);
  const EncodeModeSpec* mode = FindEncodeMode(form.Number(C::Mode));
  if (mode != nullptr && mode->passCount > 0 && !WritesOutput(mode->passes[mode->passCount - 1].passMode)) {
    return form.Text(C::Stats);
  }
  const MuxerSpec* muxer = JobMuxer(form);
  if (HasAudio(form) && muxer != nullptr && muxer->mergedEnding != nullptr) return MergedName(*muxer, form.Text(C::Output));
  return form.Text(C::Output);
}

JobScript MakeJobScript(const Form& form, X264Syntax syntax, ScriptDialect dialect,
                        const std::vector<std::string>& folders, const std::string& title,
                        const std::vector<std::string>& missingFolders) {
  JobScript script = dialect == ScriptDialect::Cmd ? CommandScript(form, syntax, folders, title, missingFolders)
                                                   : ShellScript(form, folders, title, missingFolders);
  const EncodeModeSpec* mode = FindEncodeMode(form.Number(C::Mode));
  if (!script.text.empty() && mode != nullptr && !AudioOnly(form)) script.passes = mode->passCount;
  return script;
}

}  // namespace qv
