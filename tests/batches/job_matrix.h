#pragma once
// The jobs of the end-to-end run and what each must leave behind. Every
// encode mode runs with audio off and on, and the muxers rotate through the
// modes so that every muxer, and every audio encoder, meets audio on and
// off; a few extra jobs cover the size check of the conditional mode, failed
// muxes and a non-AviSynth source behind its wrapper script.

#include <string>
#include <vector>

namespace qv::testing {

enum class Variant {
  Plain,       // no steering
  SizeInside,  // the CRF first pass writes 1.5 MB, inside the bounds 1..2
  SizeBelow,   // 0.5 MB
  SizeAbove,   // 3 MB
  MuxFails,    // the muxer refuses the output
  Wrapped,     // a non-AviSynth source, read through its wrapper script
};

// The settings of one quorvelan-cli call; each variant becomes one input.
struct Run {
  int mode;
  bool audio;
  int muxer;
  int encoder;
  std::vector<Variant> variants;
};

std::vector<Run> Runs();

// Size bounds that every run sets, in MB.
inline constexpr const char* kMinSize = "1";
inline constexpr const char* kMaxSize = "2";

struct Job {
  Run run;
  std::size_t runIndex;
  Variant variant;
  std::string name;    // unique; no job's name is part of another's
  std::string source;  // the file the test writes and hands to quorvelan-cli
  std::string input;   // what x264 and bepipe read (a wrapper for Wrapped)
  std::string output;
  std::string stats;
  std::string log;
  std::string audioFile;
  std::string matroska;
};

// Every job of every run, with its paths: sources in `inputFolder`, working
// files under `programFolder` (both ending in a backslash).
std::vector<Job> AllJobs(const std::string& inputFolder, const std::string& programFolder);

// The script text the test writes as the job's source.
std::string SourceText(const Job& job);

// The steps the job must run, in order, as Signature() writes them.
std::vector<std::string> ExpectedSteps(const Job& job);

struct ExpectedFiles {
  bool output, matroska, audioFile, log, stats;
};
ExpectedFiles ExpectedFilesOf(const Job& job);

bool MuxShouldFail(const Job& job);

}  // namespace qv::testing
