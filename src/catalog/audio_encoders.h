#pragma once
// The audio encoders of the audio list, one row each: the list text, the
// caption beside the rate field, and the batch line that encodes the job's
// audio into a file beside the output.

#include <array>

#include "catalog/argument_readings.h"

namespace qv {

struct AudioEncoderSpec {
  const char* listText;
  const char* unitCaption;  // beside the rate field
  const char* fileEnding;   // the audio file: the output's name up to its extension, then this
  // The batch line, with {input} for the job's input, {audio} for the quoted
  // audio file, {bps} for the rate field's number times 1000 and {rate} for
  // the rate field's text as it stands.
  const char* command;
  // The shell's line, with {input} and {audio} quoted and {rate}; nullptr
  // for an encoder that reads its input through bepipe.exe, which only
  // Windows runs.
  const char* shellCommand;
  // The encoder, and how it reads the audio file's path (and the input's,
  // unless it reads the input through kPipeToolReading).
  StepReading reads;
  bool piped;  // reads the input through bepipe.exe
};

inline constexpr int kAudioEncoderCount = 8;

// The row of an audio list index; nullptr outside the list.
const AudioEncoderSpec* FindAudioEncoder(int index);

extern const std::array<const char*, kAudioEncoderCount> kAudioEncoderTexts;

}  // namespace qv
