#pragma once
// How a program that a batch line runs reads the paths on its command line.
// Each audio encoder and muxer row names its program and reading
// (audio_encoders.h, muxers.h); the x264 builds and the pipe tool are below.
// A job whose path some step's reading cannot carry exactly is refused with
// that step named.

#include <cstdint>

namespace qv {

enum class ArgumentReading : std::uint8_t {
  // The wide command line: every name arrives whole.
  Unicode,
  // The ANSI code page. What it lacks the system replaces by a best fit
  // (a fullwidth quote by '"', "Ł" by "L" on code page 1252), so such a
  // name reaches the program as another path, or as more arguments.
  Ansi,
  // bepipe.exe's script, which imports the path between "^" marks that it
  // reads as double quotes: the ANSI code page, and a "^" of the path would
  // end the quoting.
  PipeScript,
};

struct StepReading {
  const char* step;  // the program, as a message names it
  ArgumentReading reading;
};

// The pipe tool before the audio encoders that cannot read the input themselves.
inline constexpr StepReading kPipeToolReading{"bepipe.exe", ArgumentReading::PipeScript};
// The builds of 2006 to 2008 take main()'s arguments, which the C runtime
// makes from the command line in the ANSI code page; today's builds read the
// wide command line.
inline constexpr StepReading kClassicX264Reading{"x264.exe (a 2006-2008 build)", ArgumentReading::Ansi};
inline constexpr StepReading kCurrentX264Reading{"x264.exe", ArgumentReading::Unicode};

}  // namespace qv
