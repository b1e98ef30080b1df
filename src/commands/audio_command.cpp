#include "commands/audio_command.h"

#include <cctype>
#include <cstdint>

#include "commands/batch_text.h"
#include "jobs/path_parts.h"
#include "settings/leading_integer.h"

namespace qv {
namespace {

using C = ControlId;

enum class Rate { BitsPerSecond, QualityText };

struct AudioEncoder {
  const char* program;
  const char* inputAndOutputSwitches;  // up to the quoted audio file
  const char* fileEnding;              // after the output's base name
  const char* rateSwitches;            // from the quoted audio file to the rate
  Rate rate;
};

// Indexed by the audio encoder list; each " |-sse2" entry is the SSE2 build
// of the Nero entry above it.
const AudioEncoder kAudioEncoders[] = {
    {"enc_aacplus.exe", " - ", "audio.aac", " --cbr ", Rate::BitsPerSecond},
    {"neroaacenc.exe", " -if - -of ", "audio.mp4", " -ignorelength -cbr ", Rate::BitsPerSecond},
    {"neroaacenc_sse2.exe", " -if - -of ", "audio.mp4", " -ignorelength -cbr ", Rate::BitsPerSecond},
    {"neroaacenc.exe", " -if - -of ", "audio.mp4", " -ignorelength -br ", Rate::BitsPerSecond},
    {"neroaacenc_sse2.exe", " -if - -of ", "audio.mp4", " -ignorelength -br ", Rate::BitsPerSecond},
    {"neroaacenc.exe", " -if - -of ", "audio.mp4", " -ignorelength -q ", Rate::QualityText},
    {"neroaacenc_sse2.exe", " -if - -of ", "audio.mp4", " -ignorelength -q ", Rate::QualityText},
};
constexpr int kAudioEncoderCount = static_cast<int>(sizeof kAudioEncoders / sizeof kAudioEncoders[0]);

std::string Quoted(const std::string& path) { return "\"" + BatchPath(path) + "\""; }

bool IsMatroska(std::string_view extension) {
  constexpr std::string_view kMkv = "mkv";
  if (extension.size() != kMkv.size()) return false;
  for (std::size_t i = 0; i < kMkv.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(extension[i])) != kMkv[i]) return false;
  }
  return true;
}

// The merged file's name. An output that already is a Matroska file gets a
// name of its own, so the merge never reads and writes one file and the
// clean-up line never deletes the merged result.
std::string MatroskaName(const std::string& output) {
  return ReplaceExtension(output, IsMatroska(ExtensionPart(output)) ? "muxed.mkv" : "mkv");
}

std::string AudioRate(const AudioEncoder& encoder, const std::string& text) {
  if (encoder.rate == Rate::QualityText) return text;
  // 64-bit: a saturated leading integer times 1000 still prints as written.
  return std::to_string(static_cast<std::int64_t>(LeadingInteger(text)) * 1000);
}

}  // namespace

std::vector<std::string> AudioCommands(const Form& form, int encoder) {
  if (encoder < 0 || encoder >= kAudioEncoderCount) return {};
  const AudioEncoder& row = kAudioEncoders[encoder];

  const std::string audioFile = Quoted(ReplaceExtension(form.Text(C::Output), row.fileEnding));
  std::vector<std::string> lines;
  lines.push_back("bepipe.exe --script \"import(^" + BatchPath(form.Text(C::Input)) + "^)\" | " +
                  row.program + row.inputAndOutputSwitches + audioFile + row.rateSwitches +
                  AudioRate(row, form.Text(C::AudioBitrate)));
  for (std::string& line : MuxCommands(form, audioFile)) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> MuxCommands(const Form& form, const std::string& quotedAudio) {
  const std::string output = form.Text(C::Output);
  const std::string quotedOutput = Quoted(output);
  const std::string deleteAudio = "if not errorlevel 1 del " + quotedAudio;
  switch (form.Number(C::Muxer)) {
    case 0:
      return {"mp4box.exe -add " + quotedAudio + " " + quotedOutput, deleteAudio};
    case 1:
      return {"mp4creator.exe -create=" + quotedAudio + " " + quotedOutput, deleteAudio};
    case 2: {
      const std::string matroska = Quoted(MatroskaName(output));
      return {"mkvmerge -o " + matroska + " " + quotedOutput + " " + quotedAudio, deleteAudio,
              "if exist " + matroska + " del " + quotedOutput};
    }
    default:
      return {};
  }
}

}  // namespace qv
