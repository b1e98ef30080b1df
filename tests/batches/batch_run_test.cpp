// Batches made by quorvelan-cli, run for real by the command interpreter,
// with the real helper tools and stand-ins for the encoders and muxers. All
// jobs go into one batch run (every process start costs time under Wine);
// the tests then read what each job left behind.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>

#include "built_programs.h"
#include "job_matrix.h"
#include "step_log.h"
#include "tools/support/child_process.h"
#include "tools/support/test_files.h"
#include "tools/support/wine_host.h"

namespace qv::testing {
namespace {

constexpr const char* kStandInsOnSearchList[] = {"x264", "bepipe", "enc_aacplus", "neroaacenc",
                                                 "neroaacenc_sse2", "mp4box", "mp4creator"};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The program folder with the program and its tools, the stand-ins in a
// folder of their own that envprep.txt names (mkvmerge in the program's
// tools subfolder), and the sources in a third folder. Every one of these
// folders has a blank, '%', '&' and '^' in its name.
struct Installation {
  ScratchFolder root{"batches"};
  std::string program = root.path() + "prog 50% & ^p\\";
  std::string standIns = root.path() + "stand ins 100% & ^s\\";
  std::string sources = root.path() + "in 10% & ^v\\";
  std::string error;  // empty when everything is in place

  Installation() {
    const bool folders = MakeFolder(program) && MakeFolder(program + "tools\\") && MakeFolder(program + "stats\\") &&
                         MakeFolder(standIns) && MakeFolder(sources);
    bool copied = CopyInto(WindowsPath(built::kCli), program) && CopyInto(WindowsPath(built::kTeelog), program) &&
                  CopyInto(WindowsPath(built::kMensura), program) && CopyInto(WindowsPath(built::kSnooze), program) &&
                  CopyInto(WindowsPath(built::kEnvprep), program) &&
                  CopyInto(WindowsPath(built::kStandIn), program + "tools\\", "mkvmerge.exe");
    for (const char* name : kStandInsOnSearchList) {
      copied = copied && CopyInto(WindowsPath(built::kStandIn), standIns, std::string(name) + ".exe");
    }
    const std::string list = "# the encoders\r\n" + standIns.substr(0, standIns.size() - 1) + "\r\n";
    if (!folders || !copied || !WriteBytes(program + "envprep.txt", list)) error = "cannot set up " + root.path();
  }

  // quorvelan-cli with the settings of `run` for `sources`, writing `batch`
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
    if (!place.error.empty()) {
      error = place.error;
      return;
    }
    jobs = AllJobs(place.sources, place.program);
    for (const auto& job : jobs) {
      WriteBytes(job.source, SourceText(job));
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
      error = place.MakeBatch(runs[r], inputs, batch);
      if (!error.empty()) return;
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

  std::vector<Step> StepsOf(const Job& job) const {
    std::vector<Step> own;
    for (const auto& step : steps) {
      const bool mine = std::any_of(step.args.begin(), step.args.end(),
                                    [&](const std::string& arg) { return arg.find(job.name + " ") != std::string::npos; });
      if (mine) own.push_back(step);
    }
    return own;
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

class EveryJob : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    ASSERT_EQ(TheRun().error, "");
    ASSERT_EQ(TheRun().jobs.size(), static_cast<std::size_t>(JobCount()));
  }
  const Job& job() const { return TheRun().jobs[GetParam()]; }
  std::vector<Step> steps() const { return TheRun().StepsOf(job()); }
};

std::string Describe(const Job& job) {
  return job.name + " (mode " + std::to_string(job.run.mode) + ", audio " + (job.run.audio ? "on" : "off") +
         ", muxer " + std::to_string(job.run.muxer) + ", encoder " + std::to_string(job.run.encoder) + ")";
}

TEST_P(EveryJob, RunsItsStepsInOrder) {
  std::vector<std::string> signatures;
  for (const auto& step : steps()) signatures.push_back(Signature(step));
  EXPECT_EQ(signatures, ExpectedSteps(job())) << Describe(job());
}

TEST_P(EveryJob, HandsEveryStepItsPathsIntact) {
  const Job& j = job();
  for (const auto& step : steps()) {
    SCOPED_TRACE(Describe(j) + ": " + step.tool);
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
    } else if (step.tool == "enc_aacplus") {
      EXPECT_EQ(step.args, (std::vector<std::string>{"-", j.audioFile, "--cbr", "64000"}));
    } else if (step.tool == "neroaacenc" || step.tool == "neroaacenc_sse2") {
      EXPECT_EQ(ArgAfter(step, "-of"), j.audioFile);
    } else if (step.tool == "mp4box") {
      EXPECT_EQ(step.args, (std::vector<std::string>{"-add", j.audioFile, j.output}));
    } else if (step.tool == "mp4creator") {
      EXPECT_EQ(step.args, (std::vector<std::string>{"-create=" + j.audioFile, j.output}));
    } else if (step.tool == "mkvmerge") {
      EXPECT_EQ(step.args, (std::vector<std::string>{"-o", j.matroska, j.output, j.audioFile}));
    }
  }
}

TEST_P(EveryJob, SucceedsExceptForARefusedMux) {
  for (const auto& step : steps()) {
    const bool refused = MuxShouldFail(job()) && (step.tool == "mp4box" || step.tool == "mp4creator" ||
                                                  step.tool == "mkvmerge");
    EXPECT_EQ(step.exitCode != 0, refused) << Describe(job()) << ": " << step.tool;
  }
}

TEST_P(EveryJob, LeavesTheFilesItShould) {
  const Job& j = job();
  const ExpectedFiles expected = ExpectedFilesOf(j);
  SCOPED_TRACE(Describe(j));
  EXPECT_EQ(Exists(j.output), expected.output) << j.output;
  EXPECT_EQ(Exists(j.matroska), expected.matroska) << j.matroska;
  EXPECT_EQ(Exists(j.audioFile), expected.audioFile) << j.audioFile;
  EXPECT_EQ(Exists(j.stats), expected.stats) << j.stats;
  if (expected.log) {
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
  if (expected.matroska) {
    // The merge holds the video and the audio.
    const std::string merged = ReadBytes(j.matroska).value_or("");
    EXPECT_NE(merged.find("standin video"), std::string::npos);
    EXPECT_NE(merged.find("standin audio of " + j.input), std::string::npos);
  } else if (expected.output && !expected.audioFile && j.run.audio) {
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

TEST(BatchRunOutput, EchoLinesShowThePathsAsTheyAre) {
  const BatchRun& run = TheRun();
  ASSERT_EQ(run.error, "");
  for (const auto& job : run.jobs) {
    EXPECT_NE(run.console.find("Input:" + job.input + "\r\n"), std::string::npos) << job.name;
    EXPECT_NE(run.console.find("Output:" + job.output + "\r\n"), std::string::npos) << job.name;
  }
}

TEST(StartedBatch, RunsItsStepsAtIdlePriorityAndDeletesItself) {
  Installation& place = Installed();
  ASSERT_EQ(place.error, "");
  Job job;
  job.run = qv::testing::Run{6, true, 0, 1, {Variant::Plain}};
  job.variant = Variant::Plain;
  job.name = "started";
  job.source = place.sources + "started & 5% ^x.avs";
  job.input = job.source;
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
