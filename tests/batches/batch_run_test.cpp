// Batches made by quorvelan-cli, run for real by the command interpreter,
// with the real helper tools and stand-ins for the encoders and muxers. All
// jobs go into one batch run (every process start costs time under Wine);
// the tests then read what each job left behind.
//
// Every encode mode runs with audio off and on, and the muxers rotate
// through the modes so that every muxer, and every audio encoder, meets
// audio on and off; a few extra jobs cover the size check of the
// conditional mode, failed muxes and a non-AviSynth source behind its
// wrapper script.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "built_programs.h"
#include "tools/support/child_process.h"
#include "tools/support/test_files.h"
#include "tools/support/wine_host.h"

namespace qv::testing {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// --- steps.log: one line per stand-in run, tab-separated: the program's
// name, its priority class and its parent's ("idle/normal"), its exit code
// and its arguments.
struct Step {
  std::string tool;
  std::string priority, parentPriority;
  int exitCode = 0;
  std::vector<std::string> args;
};

std::vector<Step> ParseStepLog(std::string_view text) {
  std::vector<Step> steps;
  while (!text.empty()) {
    const auto end = text.find("\r\n");
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 2);
    std::vector<std::string> fields;
    for (auto tab = line.find('\t');; tab = line.find('\t')) {
      fields.emplace_back(line.substr(0, tab));
      if (tab == std::string_view::npos) break;
      line.remove_prefix(tab + 1);
    }
    if (fields.size() < 3) continue;
    const auto slash = fields[1].find('/');
    steps.push_back({fields[0], fields[1].substr(0, slash),
                     slash == std::string::npos ? "" : fields[1].substr(slash + 1), std::atoi(fields[2].c_str()),
                     std::vector<std::string>(fields.begin() + 3, fields.end())});
  }
  return steps;
}

// The argument after `name`, or "" when there is none.
std::string ArgAfter(const Step& step, std::string_view name) {
  for (std::size_t i = 0; i + 1 < step.args.size(); ++i) {
    if (step.args[i] == name) return step.args[i + 1];
  }
  return {};
}

// The tool's name, and for x264 its rate control, its pass and whether it
// writes the output, as in "x264 --crf p1 out" or "x264 -B pN nul".
std::string Signature(const Step& step) {
  if (step.tool != "x264") return step.tool;
  std::string rate = "?";
  for (const char* option : {"-B", "-q", "--crf"}) {
    if (!ArgAfter(step, option).empty()) rate = option;
  }
  const std::string pass = ArgAfter(step, "-p");
  const std::string passText = pass.empty() ? "p0" : pass == "1" ? "p1" : "pN";
  return "x264 " + rate + " " + passText + " " + (ArgAfter(step, "-o") == "nul" ? "nul" : "out");
}

// --- The jobs and what each must leave behind.
enum class Variant { Plain, SizeInside, SizeBelow, SizeAbove, MuxFails, Wrapped };
struct VariantInfo {
  const char* label;
  const char* directive;  // steers the stand-ins from the source script
};
// The CRF first pass writes 1.5, 0.5 or 3 MB against the bounds 1..2; the
// muxers refuse the output; a non-AviSynth source read through its wrapper.
constexpr VariantInfo kVariants[] = {{"clip", ""},
                                     {"inside", "#standin crf-mb=1.5\r\n"},
                                     {"below", "#standin crf-mb=0.5\r\n"},
                                     {"above", "#standin crf-mb=3\r\n"},
                                     {"muxfail", "#standin mux=fail\r\n"},
                                     {"wrapped", ""}};
const VariantInfo& Info(Variant v) { return kVariants[static_cast<int>(v)]; }

// The settings of one quorvelan-cli call; each variant becomes one input.
struct Run {
  int mode;
  bool audio;
  int muxer;
  int encoder;
  std::vector<Variant> variants;
};
constexpr const char* kMinSize = "1";
constexpr const char* kMaxSize = "2";
constexpr int kMatroska = 2, kAudioOnly = 4;

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

struct Job {
  Job(Run r, std::size_t index, Variant v, std::string n) : run(std::move(r)), runIndex(index), variant(v), name(n) {}
  Run run;
  std::size_t runIndex;
  Variant variant;
  std::string name;    // unique; no job's name is part of another's
  std::string source;  // the file the test writes and hands to quorvelan-cli
  std::string input;   // what x264 and bepipe read (a wrapper for Wrapped)
  std::string output, stats, log, audioFile, matroska;
};

// Every job of every run. Every path carries a blank, '%', '&' and '^' (the
// folders do too).
std::vector<Job> AllJobs(const std::string& inputFolder, const std::string& programFolder) {
  std::vector<Job> jobs;
  const auto runs = Runs();
  for (std::size_t r = 0; r < runs.size(); ++r) {
    for (std::size_t v = 0; v < runs[r].variants.size(); ++v) {
      char name[64];
      std::snprintf(name, sizeof name, "r%02zu-%zu %s", r, v, Info(runs[r].variants[v]).label);
      Job job(runs[r], r, runs[r].variants[v], name);
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

bool WritesOutput(int mode) { return mode != 3 && mode != 4 && mode != 8 && mode != 9; }
bool AudioRuns(const Run& run) { return run.muxer == kAudioOnly || (run.audio && WritesOutput(run.mode)); }
bool Muxes(const Run& run) { return AudioRuns(run) && run.muxer <= kMatroska; }

// The x264 passes of a mode, without the size check's effect.
std::vector<std::string> Passes(int mode) {
  const std::string bitrateFirst = "x264 -B p1 nul", crfFirst = "x264 --crf p1 nul", nth = "x264 -B pN out";
  switch (mode) {
    case 0: return {"x264 -B p0 out"};
    case 1: return {"x264 -q p0 out"};
    case 2: return {"x264 --crf p0 out"};
    case 3: case 4: return {bitrateFirst};
    case 5: return {nth};
    case 6: case 7: return {bitrateFirst, nth};
    case 8: case 9: return {crfFirst};
    case 10: case 11: return {crfFirst, nth};
    case 12: return {"x264 --crf p1 out"};
  }
  return {"x264 --crf p1 out", nth};
}

// The steps the job must run, in order, as Signature() writes them.
std::vector<std::string> ExpectedSteps(const Job& job) {
  const Run& run = job.run;
  std::vector<std::string> steps;
  if (run.muxer != kAudioOnly) {
    steps = Passes(run.mode);
    if (run.mode == 13 && job.variant == Variant::SizeInside) steps.pop_back();
  }
  if (AudioRuns(run)) {
    steps.push_back("bepipe");
    steps.push_back(run.encoder == 0 ? "enc_aacplus" : run.encoder % 2 == 1 ? "neroaacenc" : "neroaacenc_sse2");
  }
  if (Muxes(run)) steps.push_back(std::vector<std::string>{"mp4box", "mp4creator", "mkvmerge"}[run.muxer]);
  return steps;
}

// --- The installation: the program folder with the program and its tools,
// the stand-ins in a folder of their own that envprep.txt names (mkvmerge in
// the program's tools subfolder), and the sources in a third folder. Every
// one of these folders has a blank, '%', '&' and '^' in its name.
struct Installation {
  ScratchFolder root{"batches"};
  std::string program = root.path() + "prog 50% & ^p\\";
  std::string standIns = root.path() + "stand ins 100% & ^s\\";
  std::string sources = root.path() + "in 10% & ^v\\";
  std::string error;  // empty when everything is in place

  Installation() {
    bool ok = MakeFolder(program) && MakeFolder(program + "tools\\") && MakeFolder(program + "stats\\") &&
              MakeFolder(standIns) && MakeFolder(sources) &&
              CopyInto(WindowsPath(built::kStandIn), program + "tools\\", "mkvmerge.exe") &&
              WriteBytes(program + "envprep.txt", "# the encoders\r\n" + standIns.substr(0, standIns.size() - 1) + "\r\n");
    for (const char* tool : {built::kCli, built::kTeelog, built::kMensura, built::kSnooze, built::kEnvprep}) {
      ok = ok && CopyInto(WindowsPath(tool), program);
    }
    for (const char* name : {"x264", "bepipe", "enc_aacplus", "neroaacenc", "neroaacenc_sse2", "mp4box", "mp4creator"}) {
      ok = ok && CopyInto(WindowsPath(built::kStandIn), standIns, std::string(name) + ".exe");
    }
    if (!ok) error = "cannot set up " + root.path();
  }

  // quorvelan-cli with the settings of `run` for `inputs`, writing `batch`
  // (or starting it when `batch` is empty). An error text, or "".
  std::string MakeBatch(const Run& run, const std::vector<std::string>& inputs, const std::string& batch) const {
    std::string command = Quoted(program + "quorvelan-cli.exe") + " --defaults" +
                          " --set mode=" + std::to_string(run.mode) + " --set aud=" + (run.audio ? "1" : "0") +
                          " --set muxer=" + std::to_string(run.muxer) + " --set ae=" + std::to_string(run.encoder) +
                          " --set minsize=" + kMinSize + " --set maxsize=" + kMaxSize +
                          (batch.empty() ? " --start" : " --bat " + Quoted(batch));
    for (const auto& input : inputs) command += " " + Quoted(input);
    const auto made = RunProgram(command, {}, program);
    if (!made) return "quorvelan-cli did not finish: " + command;
    if (made->exitCode != 0) return "quorvelan-cli failed (" + made->errors + "): " + command;
    return {};
  }

  std::vector<Step> Steps() const { return ParseStepLog(ReadBytes(program + "steps.log").value_or("")); }
};

Installation& Installed() {
  static Installation installation;
  return installation;
}

// The one batch run of every job.
struct BatchRun {
  std::vector<Job> jobs;
  std::string console;  // what the batches printed
  std::vector<Step> steps;
  std::string error;

  BatchRun() {
    Installation& place = Installed();
    if (!(error = place.error).empty()) return;
    jobs = AllJobs(place.sources, place.program);
    for (const auto& job : jobs) {
      WriteBytes(job.source, "# end-to-end source " + job.name + "\r\n" + Info(job.variant).directive);
      // The Nth pass on its own continues a first pass made earlier.
      if (job.run.mode == 5) WriteBytes(job.stats, "#options: earlier first pass\n");
    }
    std::string all;
    const auto runs = Runs();
    for (std::size_t r = 0; r < runs.size(); ++r) {
      std::vector<std::string> inputs;
      for (const auto& job : jobs) {
        if (job.runIndex == r) inputs.push_back(job.source);
      }
      const std::string batch = place.root.path() + "b" + std::to_string(r) + ".bat";
      if (!(error = place.MakeBatch(runs[r], inputs, batch)).empty()) return;
      all += "@call " + Quoted(batch) + "\r\n";
    }
    const std::string allBatch = place.root.path() + "all.bat";
    WriteBytes(allBatch, all);
    const auto ran = RunProgram("cmd.exe /c " + Quoted(Quoted(allBatch)), {}, place.root.path(), 600000);
    if (!ran) {
      error = "the batch run did not end within 10 minutes";
      return;
    }
    console = ran->output;
    steps = place.Steps();
  }
};

const BatchRun& TheRun() {
  static BatchRun run;
  return run;
}

int JobCount() {
  int count = 0;
  for (const auto& run : Runs()) count += static_cast<int>(run.variants.size());
  return count;
}

class EveryJob : public ::testing::TestWithParam<int> {};

// Its steps in order, each handed its paths intact and succeeding (but a
// refused mux), its echo lines, and the files it leaves: the log, the audio file kept or
// removed, the output, and a Matroska result never deleted.
TEST_P(EveryJob, RunsItsStepsAndLeavesTheFilesItShould) {
  const BatchRun& all = TheRun();
  ASSERT_EQ(all.error, "");
  ASSERT_EQ(all.jobs.size(), static_cast<std::size_t>(JobCount()));
  const Job& j = all.jobs[GetParam()];
  const auto& run = j.run;
  SCOPED_TRACE(j.name + " (mode " + std::to_string(run.mode) + ", audio " + (run.audio ? "on" : "off") +
               ", muxer " + std::to_string(run.muxer) + ", encoder " + std::to_string(run.encoder) + ")");
  const bool muxFails = j.variant == Variant::MuxFails;
  std::vector<std::string> signatures;
  for (const auto& step : all.steps) {
    if (std::none_of(step.args.begin(), step.args.end(),
                     [&](const std::string& arg) { return arg.find(j.name + " ") != std::string::npos; })) {
      continue;
    }
    SCOPED_TRACE(step.tool);
    signatures.push_back(Signature(step));
    const bool isMux = step.tool == "mp4box" || step.tool == "mp4creator" || step.tool == "mkvmerge";
    EXPECT_EQ(step.exitCode != 0, muxFails && isMux);
    if (step.tool == "x264") {
      ASSERT_FALSE(step.args.empty());
      EXPECT_EQ(step.args.back(), j.input);
      if (ArgAfter(step, "-o") != "nul") {
        EXPECT_EQ(ArgAfter(step, "-o"), j.output);
      }
      if (!ArgAfter(step, "-p").empty()) {
        EXPECT_EQ(ArgAfter(step, "--stats"), j.stats);
      }
    } else if (step.tool == "bepipe") {
      EXPECT_EQ(ArgAfter(step, "--script"), "import(^" + j.input + "^)");
    } else if (step.tool == "neroaacenc" || step.tool == "neroaacenc_sse2") {
      EXPECT_EQ(ArgAfter(step, "-of"), j.audioFile);
    } else {
      const std::vector<std::string> expected =
          step.tool == "enc_aacplus"  ? std::vector<std::string>{"-", j.audioFile, "--cbr", "64000"}
          : step.tool == "mp4box"     ? std::vector<std::string>{"-add", j.audioFile, j.output}
          : step.tool == "mp4creator" ? std::vector<std::string>{"-create=" + j.audioFile, j.output}
                                      : std::vector<std::string>{"-o", j.matroska, j.output, j.audioFile};
      EXPECT_EQ(step.args, expected);
    }
  }
  EXPECT_EQ(signatures, ExpectedSteps(j));
  // The echo lines show the paths as they are.
  EXPECT_NE(all.console.find("Input:" + j.input + "\r\n"), std::string::npos);
  EXPECT_NE(all.console.find("Output:" + j.output + "\r\n"), std::string::npos);

  const bool muxed = Muxes(run) && !muxFails;
  const bool encodes = run.muxer != kAudioOnly;
  const bool output = encodes && WritesOutput(run.mode) && !(run.muxer == kMatroska && muxed);
  const bool matroska = run.muxer == kMatroska && muxed;
  const bool audioFile = AudioRuns(run) && !muxed;
  EXPECT_EQ(Exists(j.output), output) << j.output;
  EXPECT_EQ(Exists(j.matroska), matroska) << j.matroska;
  EXPECT_EQ(Exists(j.audioFile), audioFile) << j.audioFile;
  EXPECT_EQ(Exists(j.stats), encodes && run.mode >= 3) << j.stats;
  if (encodes) {
    // teelog kept what x264 printed: its standard output, and its progress
    // lines on standard error where the interpreter pipes that stream too.
    const std::string log = ReadBytes(j.log).value_or("(no log)");
    EXPECT_NE(log.find("encoded 3 frames of " + j.input), std::string::npos) << log;
    if (!RunningUnderWine()) {
      EXPECT_NE(log.find("[100.0%] 3/3 frames, 24.00 fps\r"), std::string::npos) << log;
    }
  } else {
    EXPECT_FALSE(Exists(j.log)) << j.log;
  }
  if (matroska) {
    const std::string merged = ReadBytes(j.matroska).value_or("");
    EXPECT_NE(merged.find("standin video"), std::string::npos);
    EXPECT_NE(merged.find("standin audio of " + j.input), std::string::npos);
  } else if (output && !audioFile && run.audio) {
    EXPECT_NE(ReadBytes(j.output).value_or("").find("muxed " + j.audioFile), std::string::npos);
  }
}

// "r27_1_inside" for the job "r27-1 inside".
std::string JobTestName(const ::testing::TestParamInfo<int>& info) {
  std::string name = AllJobs({}, {})[static_cast<std::size_t>(info.param)].name;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(EndToEnd, EveryJob, ::testing::Range(0, JobCount()), JobTestName);

TEST(StartedBatch, RunsItsStepsAtIdlePriorityAndDeletesItself) {
  Installation& place = Installed();
  ASSERT_EQ(place.error, "");
  Job job(qv::testing::Run{6, true, 0, 1, {Variant::Plain}}, 0, Variant::Plain, "started");
  job.source = place.sources + "started & 5% ^x.avs";
  ASSERT_TRUE(WriteBytes(job.source, "# started with --start\r\n"));
  const auto stepsBefore = place.Steps().size();
  ASSERT_EQ(place.MakeBatch(job.run, {job.source}, {}), "");

  // The batch runs on its own; its last step is the mux.
  std::vector<Step> own;
  for (int i = 0; i < 1200; ++i) {
    const auto steps = place.Steps();
    own.assign(steps.begin() + static_cast<std::ptrdiff_t>(std::min(stepsBefore, steps.size())), steps.end());
    if (!own.empty() && own.back().tool == "mp4box" && !Exists(place.program + "temp.bat")) break;
    Sleep(100);
  }
  std::vector<std::string> signatures;
  for (const auto& step : own) {
    signatures.push_back(Signature(step));
    // The batch's interpreter runs at idle priority, and so does every step
    // it starts (Windows passes the idle class on to new processes).
    EXPECT_EQ(step.parentPriority, "idle") << step.tool;
    if (!RunningUnderWine()) {
      EXPECT_EQ(step.priority, "idle") << step.tool;
    }
  }
  EXPECT_EQ(signatures, ExpectedSteps(job));
  EXPECT_FALSE(Exists(place.program + "temp.bat"));
}

}  // namespace
}  // namespace qv::testing
