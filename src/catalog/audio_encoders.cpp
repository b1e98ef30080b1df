#include "catalog/audio_encoders.h"

#include "catalog/table_rows.h"

namespace qv {
namespace {

constexpr ArgumentReading kAnsi = ArgumentReading::Ansi;

// Each " |-sse2" entry is the SSE2 build of the Nero entry above it.
// clang-format off
constexpr AudioEncoderSpec kEncoders[kAudioEncoderCount] = {
  {"CT AAC", "Kbps", "audio.aac",
   "bepipe.exe --script \"import(^{input}^)\" | enc_aacplus.exe - {audio} --cbr {bps}", nullptr,
   {"enc_aacplus.exe", kAnsi}, true},
  {"Nero", "Kbps", "audio.mp4",
   "bepipe.exe --script \"import(^{input}^)\" | neroaacenc.exe -if - -of {audio} -ignorelength -cbr {bps}", nullptr,
   {"neroaacenc.exe", kAnsi}, true},
  {" |-sse2", "Kbps", "audio.mp4",
   "bepipe.exe --script \"import(^{input}^)\" | neroaacenc_sse2.exe -if - -of {audio} -ignorelength -cbr {bps}", nullptr,
   {"neroaacenc_sse2.exe", kAnsi}, true},
  {"Nero(ABR)", "Kbps", "audio.mp4",
   "bepipe.exe --script \"import(^{input}^)\" | neroaacenc.exe -if - -of {audio} -ignorelength -br {bps}", nullptr,
   {"neroaacenc.exe", kAnsi}, true},
  {" |-sse2", "Kbps", "audio.mp4",
   "bepipe.exe --script \"import(^{input}^)\" | neroaacenc_sse2.exe -if - -of {audio} -ignorelength -br {bps}", nullptr,
   {"neroaacenc_sse2.exe", kAnsi}, true},
  {"Nero(Q)", "Kbps", "audio.mp4",
   "bepipe.exe --script \"import(^{input}^)\" | neroaacenc.exe -if - -of {audio} -ignorelength -q {rate}", nullptr,
   {"neroaacenc.exe", kAnsi}, true},
  {" |-sse2", "Quality", "audio.mp4",
   "bepipe.exe --script \"import(^{input}^)\" | neroaacenc_sse2.exe -if - -of {audio} -ignorelength -q {rate}", nullptr,
   {"neroaacenc_sse2.exe", kAnsi}, true},
  // Reads the script itself, so it needs no pipe tool.
  {"ffmpeg AAC", "Kbps", "audio.m4a",
   "ffmpeg -hide_banner -y -i \"{input}\" -vn -c:a aac -b:a {rate}k {audio}",
   "ffmpeg -hide_banner -nostdin -y -i {input} -vn -c:a aac -b:a {rate}k {audio}",
   {"ffmpeg", ArgumentReading::Unicode}, false},
};
// clang-format on

}  // namespace

constexpr std::array<const char*, kAudioEncoderCount> kAudioEncoderTexts = ListTexts(kEncoders);

const AudioEncoderSpec* FindAudioEncoder(int index) { return RowAt(kEncoders, index); }

}  // namespace qv
