#include "job_matrix.h"

#include <cstdio>

namespace qv::testing {

namespace {

constexpr int kAudioOnly = 4;
constexpr int kMatroska = 2;

bool WritesOutput(int mode) { return mode != 3 && mode != 4 && mode != 8 && mode != 9; }

bool AudioRuns(const Run& run) { return run.muxer == kAudioOnly || (run.audio && WritesOutput(run.mode)); }

bool Muxes(const Run& run) { return AudioRuns(run) && run.muxer <= kMatroska; }

const char* VariantLabel(Variant variant) {
  switch (variant) {
    case Variant::Plain: return "clip";
    case Variant::SizeInside: return "inside";
    case Variant::SizeBelow: return "below";
    case Variant::SizeAbove: return "above";
    case Variant::MuxFails: return "muxfail";
    case Variant::Wrapped: return "wrapped";
  }
  return "?";
}

// The x264 passes that a mode runs, without the size check's effect.
std::vector<std::string> Passes(int mode) {
  const std::string bitrateFirst = "x264 -B p1 nul";
  const std::string crfFirst = "x264 --crf p1 nul";
  const std::string nth = "x264 -B pN out";
  switch (mode) {
    case 0: return {"x264 -B p0 out"};
    case 1: return {"x264 -q p0 out"};
    case 2: return {"x264 --crf p0 out"};
    case 3:
    case 4: return {bitrateFirst};
    case 5: return {nth};
    case 6:
    case 7: return {bitrateFirst, nth};
    case 8:
    case 9: return {crfFirst};
    case 10:
    case 11: return {crfFirst, nth};
    case 12: return {"x264 --crf p1 out"};
  }
  return {"x264 --crf p1 out", nth};
}

const char* EncoderName(int encoder) {
  return encoder == 0 ? "enc_aacplus" : encoder % 2 == 1 ? "neroaacenc" : "neroaacenc_sse2";
}

}  // namespace

std::vector<Run> Runs() {
  std::vector<Run> runs;
  for (int mode = 0; mode <= 13; ++mode) {
    runs.push_back({mode, false, mode % 5, 0, {Variant::Plain}});
    runs.push_back({mode, true, (mode + 2) % 5, mode % 7, {Variant::Plain}});
  }
  // The conditional mode: the second pass runs exactly when the first
  // output lies outside the bounds.
  runs[26].variants = {Variant::Plain, Variant::SizeInside, Variant::SizeBelow, Variant::SizeAbove};
  runs[27].variants = {Variant::SizeInside, Variant::SizeAbove};
  runs.push_back({13, true, kMatroska, 0, {Variant::SizeInside, Variant::SizeBelow}});
  // Failed muxes keep the audio file, and the output for Matroska.
  runs.push_back({0, true, 0, 1, {Variant::MuxFails, Variant::Wrapped}});
  runs.push_back({5, true, 1, 5, {Variant::MuxFails}});
  runs.push_back({12, true, kMatroska, 6, {Variant::MuxFails}});
  return runs;
}

std::vector<Job> AllJobs(const std::string& inputFolder, const std::string& programFolder) {
  std::vector<Job> jobs;
  const auto runs = Runs();
  for (std::size_t r = 0; r < runs.size(); ++r) {
    for (std::size_t v = 0; v < runs[r].variants.size(); ++v) {
      Job job;
      job.run = runs[r];
      job.runIndex = r;
      job.variant = runs[r].variants[v];
      char name[64];
      std::snprintf(name, sizeof name, "r%02zu-%zu %s", r, v, VariantLabel(job.variant));
      job.name = name;
      // Every path carries a blank, '%', '&' and '^' (the folders do too).
      const std::string base = inputFolder + job.name + " & 5% ^x";
      const std::string extension = job.variant == Variant::Wrapped ? ".mpg" : ".avs";
      const std::string file = job.name + " & 5% ^x" + extension;
      job.source = base + extension;
      job.input = job.variant == Variant::Wrapped ? programFolder + "avs\\" + file + ".avs" : job.source;
      job.output = base + ".mp4";
      job.stats = programFolder + "stats\\" + file + ".stat";
      job.log = programFolder + "log\\" + file + ".txt";
      job.audioFile = base + (job.run.encoder == 0 ? ".audio.aac" : ".audio.mp4");
      job.matroska = base + ".mkv";
      jobs.push_back(job);
    }
  }
  return jobs;
}

std::string SourceText(const Job& job) {
  std::string text = "# end-to-end source " + job.name + "\r\n";
  switch (job.variant) {
    case Variant::SizeInside: return text + "#standin crf-mb=1.5\r\n";
    case Variant::SizeBelow: return text + "#standin crf-mb=0.5\r\n";
    case Variant::SizeAbove: return text + "#standin crf-mb=3\r\n";
    case Variant::MuxFails: return text + "#standin mux=fail\r\n";
    case Variant::Plain:
    case Variant::Wrapped: break;
  }
  return text;
}

bool MuxShouldFail(const Job& job) { return job.variant == Variant::MuxFails; }

std::vector<std::string> ExpectedSteps(const Job& job) {
  const Run& run = job.run;
  std::vector<std::string> steps;
  if (run.muxer != kAudioOnly) {
    steps = Passes(run.mode);
    if (run.mode == 13 && job.variant == Variant::SizeInside) steps.pop_back();
  }
  if (AudioRuns(run)) {
    steps.push_back("bepipe");
    steps.push_back(EncoderName(run.encoder));
  }
  if (Muxes(run)) {
    static const char* const kMuxers[] = {"mp4box", "mp4creator", "mkvmerge"};
    steps.push_back(kMuxers[run.muxer]);
  }
  return steps;
}

ExpectedFiles ExpectedFilesOf(const Job& job) {
  const Run& run = job.run;
  const bool muxed = Muxes(run) && !MuxShouldFail(job);
  ExpectedFiles files{};
  files.output = run.muxer != kAudioOnly && WritesOutput(run.mode) && !(run.muxer == kMatroska && muxed);
  files.matroska = run.muxer == kMatroska && muxed;
  files.audioFile = AudioRuns(run) && !muxed;
  files.log = run.muxer != kAudioOnly;
  files.stats = run.muxer != kAudioOnly && run.mode >= 3;
  return files;
}

}  // namespace qv::testing
