#include "commands/audio_command.h"

#include <cctype>
#include <cstdint>

#include "catalog/audio_encoders.h"
#include "catalog/muxers.h"
#include "settings/batch_values.h"
#include "text/batch_text.h"
#include "text/leading_integer.h"
#include "text/path_parts.h"
#include "text/placeholders.h"

namespace qv {
namespace {

using C = ControlId;

bool SameEnding(std::string_view extension, std::string_view ending) {
  if (extension.size() != ending.size()) return false;
  for (std::size_t i = 0; i < ending.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(extension[i])) != ending[i]) return false;
  }
  return true;
}

}  // namespace

// An output that already has the merged file's ending gets a name of its
// own, so the merge never reads and writes one file and the clean-up line
// never deletes the merged result.
std::string MergedName(const MuxerSpec& muxer, const std::string& output) {
  if (muxer.mergedEnding == nullptr) return {};
  const std::string ending = muxer.mergedEnding;
  return ReplaceExtension(output, SameEnding(ExtensionPart(output), ending) ? "muxed." + ending : ending);
}

std::vector<std::string> AudioCommands(const Form& form, int encoder) {
  const AudioEncoderSpec* row = FindAudioEncoder(encoder);
  if (row == nullptr) return {};

  const std::string audio = ReplaceExtension(form.Text(C::Output), row->fileEnding);
  const std::string audioFile = BatchQuoted(audio);
  const std::string rate = BatchNumber(form, C::AudioBitrate);
  // 64-bit: a saturated leading integer times 1000 still prints as written.
  const std::string bitsPerSecond = std::to_string(static_cast<std::int64_t>(LeadingInteger(rate)) * 1000);
  std::vector<std::string> lines{FillPlaceholders(row->command, {{"{input}", BatchPath(form.Text(C::Input))},
                                                                 {"{audio}", audioFile},
                                                                 {"{bps}", bitsPerSecond},
                                                                 {"{rate}", rate}})};
  for (std::string& line : MuxCommands(form, audio)) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> MuxCommands(const Form& form, const std::string& audio) {
  const MuxerSpec* row = FindMuxer(form.Number(C::Muxer));
  if (row == nullptr) return {};
  const std::string output = form.Text(C::Output);
  const std::string matroska = MergedName(*row, output);
  const std::string quoted[] = {BatchQuoted(audio),       BatchQuoted(output),       BatchQuoted(matroska),
                                InterpreterQuoted(audio), InterpreterQuoted(output), InterpreterQuoted(matroska)};
  std::vector<std::string> lines;
  for (const char* line : row->lines) {
    if (line == nullptr) break;
    lines.push_back(FillPlaceholders(line, {{"{audio}", quoted[0]},
                                            {"{output}", quoted[1]},
                                            {"{mkv}", quoted[2]},
                                            {"{audio:cmd}", quoted[3]},
                                            {"{output:cmd}", quoted[4]},
                                            {"{mkv:cmd}", quoted[5]}}));
  }
  return lines;
}

}  // namespace qv
