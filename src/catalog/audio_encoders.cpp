#include "catalog/audio_encoders.h"

#include "catalog/table_rows.h"

namespace qv {
namespace {

// Each " |-sse2" entry is the SSE2 build of the Nero entry above it.
// clang-format off
constexpr AudioEncoderSpec kEncoders[kAudioEncoderCount] = {
  {"CT AAC", "Kbps", "audio.aac",
   "bepipe.exe --script \"import(^{input}^)\" | enc_aacplus.exe - {audio} --cbr {bps}", nullptr},
  {"Nero", "Kbps", "audio.mp4",
   "bepipe.exe --script \"import(^{input}^)\" | neroaacenc.exe -if - -of {audio} -ignorelength -cbr {bps}", nullptr},
  {" |-sse2", "Kbps", "audio.mp4",
   "bepipe.exe --script \"import(^{input}^)\" | neroaacenc_sse2.exe -if - -of {audio} -ignorelength -cbr {bps}", nullptr},
  {"Nero(ABR)", "Kbps", "audio.mp4",
   "bepipe.exe --script \"import(^{input}^)\" | neroaacenc.exe -if - -of {audio} -ignorelength -br {bps}", nullptr},
  {" |-sse2", "Kbps", "audio.mp4",
   "bepipe.exe --script \"import(^{input}^)\" | neroaacenc_sse2.exe -if - -of {audio} -ignorelength -br {bps}", nullptr},
  {"Nero(Q)", "Kbps", "audio.mp4",
   "bepipe.exe --script \"import(^{input}^)\" | neroaacenc.exe -if - -of {audio} -ignorelength -q {rate}", nullptr},
  {" |-sse2", "Quality", "audio.mp4",
   "bepipe.exe --script \"import(^{input}^)\" | neroaacenc_sse2.exe -if - -of {audio} -ignorelength -q {rate}", nullptr},
  // Reads the script itself, so it needs no pipe tool.
  {"ffmpeg AAC", "Kbps", "audio.m4a",
   "ffmpeg -hide_banner -y -i \"{input}\" -vn -c:a aac -b:a {rate}k {audio}",
   "ffmpeg -hide_banner -nostdin -y -i {input} -vn -c:a aac -b:a {rate}k {audio}"},
};
// clang-format on

}  // namespace

constexpr std::array<const char*, kAudioEncoderCount> kAudioEncoderTexts = ListTexts(kEncoders);

const AudioEncoderSpec* FindAudioEncoder(int index) { return RowAt(kEncoders, index); }

}  // namespace qv
