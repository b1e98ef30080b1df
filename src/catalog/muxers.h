#pragma once
// The muxers of the muxer list, one row each: the list text and the batch
// lines that join a job's audio file with its video, then clean up.

#include <array>

#include "catalog/argument_readings.h"

namespace qv {

inline constexpr int kMaxMuxLines = 3;

struct MuxerSpec {
  const char* listText;
  bool audioOnly;  // the job is its audio file alone: no encode, no mux
  // The lines, with {audio} for the quoted audio file, {output} for the
  // quoted output and {mkv} for the quoted Matroska file, each with ":cmd"
  // in the form that the command interpreter's own commands take (see
  // InterpreterQuoted); nullptr ends them.
  std::array<const char*, kMaxMuxLines> lines;
  // The shell's merge: {audio}, {output} and {mkv} quoted; nullptr when
  // there is none.
  const char* shellCommand;
  int highestSuccess;   // the highest exit status of a merge that worked
  // The ending of the file {mkv} that the merge writes beside the output,
  // which goes after it; nullptr for a mux into the output itself.
  const char* mergedEnding;
  bool needsWindows;    // the muxer only Windows runs
  StepReading reads;    // the program of the first line; none without lines
};

inline constexpr int kMuxerCount = 5;

// The row of a muxer list index; nullptr outside the list.
const MuxerSpec* FindMuxer(int index);

extern const std::array<const char*, kMuxerCount> kMuxerTexts;

}  // namespace qv
