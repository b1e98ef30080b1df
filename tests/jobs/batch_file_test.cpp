#include "jobs/batch_file.h"

#include "job_fixture.h"

namespace qv {
namespace {

constexpr const char* kMakeHeader = "@cd /d \"C:\\Q\\\"\r\n@envprep.exe run\r\n@call envprep.bat\r\n@del envprep.bat\r\n";
constexpr const char* kStartHeader =
    "@cd /d \"C:\\Q\\\"\r\n"
    "@echo Please wait until this process is set into idle.\r\n"
    "@snooze.exe 1000\r\n"
    "@envprep.exe run\r\n"
    "@call envprep.bat\r\n"
    "@del envprep.bat\r\n";

using BatchFileTest = JobFixture;

TEST_F(BatchFileTest, EveryLineEndsInCrLfButTheStartedBatchsLast) {
  EXPECT_EQ(BatchFileText(form, "C:\\Q\\"), kMakeHeader);
  EXPECT_EQ(StartBatchText(form, "C:\\Q\\", "temp.bat"), std::string(kStartHeader) + "del temp.bat");
  form.AddItems(ControlId::JobList, {"one", "", "three"});
  EXPECT_EQ(BatchFileText(form, "C:\\Q\\"), std::string(kMakeHeader) + "one\r\n\r\nthree\r\n");
  EXPECT_EQ(StartBatchText(form, "C:\\Q\\", "temp2.bat"),
            std::string(kStartHeader) + "one\r\n\r\nthree\r\ndel temp2.bat");
  // The program folder is batch-safe in the header.
  EXPECT_EQ(BatchFileText(form, "C:\\100% tools\\").substr(0, 26), "@cd /d \"C:\\100%% tools\\\"\r\n");
}

TEST_F(BatchFileTest, BatAddedOnlyWithoutExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"D:\\jobs", "D:\\jobs.bat"},
      {"D:\\jobs.cmd", "D:\\jobs.cmd"},
  };
  form.AddItem(ControlId::JobList, "line");
  for (const auto& [chosen, written] : cases) {
    fake.dialogs.paths.push_back(chosen);
    const BatchResult result = MakeBatchFile(form, platform);
    EXPECT_EQ(result.outcome, BatchOutcome::Written) << chosen;
    EXPECT_EQ(result.path, written);
    EXPECT_EQ(fake.files.ReadFile(written), std::string(kMakeHeader) + "line\r\n");
  }
  EXPECT_EQ(Dialog(0), "save|||Batch File|*.BAT");
}

TEST_F(BatchFileTest, MakeBatchFileReportsCancelAndFailure) {
  EXPECT_EQ(MakeBatchFile(form, platform).outcome, BatchOutcome::Cancelled);
  EXPECT_EQ(fake.files.writeCount, 0);

  fake.dialogs.paths.push_back("X:\\missing\\jobs");
  const BatchResult failed = MakeBatchFile(form, platform);
  EXPECT_EQ(failed.outcome, BatchOutcome::Failed);
  EXPECT_EQ(failed.path, "X:\\missing\\jobs.bat");
}

TEST_F(BatchFileTest, StartSavesStateWritesStartsThenIdles) {
  form.AddItem(ControlId::JobList, "x264.exe job");
  const BatchResult result = StartBatch(form, platform);

  EXPECT_EQ(result.outcome, BatchOutcome::Started);
  EXPECT_EQ(result.path, "C:\\Q\\temp.bat");
  EXPECT_TRUE(result.stateSaved);
  EXPECT_EQ(fake.files.Files(), (std::vector<std::string>{"C:\\Q\\quorvelan.ini", "C:\\Q\\temp.bat"}));
  EXPECT_EQ(fake.files.ReadFile("C:\\Q\\quorvelan.ini"), ConfigText(form));
  EXPECT_EQ(fake.files.ReadFile("C:\\Q\\temp.bat"), std::string(kStartHeader) + "x264.exe job\r\ndel temp.bat");
  EXPECT_EQ(fake.processes.log,
            (std::vector<std::string>{"start \"C:\\Q\\temp.bat\"", "sleep 600", "idle 4242"}));
  ASSERT_EQ(fake.processes.started.size(), 1u);
  EXPECT_EQ(fake.processes.started[0].workingFolder, "C:\\Q\\");
  EXPECT_EQ(Jobs(), std::vector<std::string>{"x264.exe job"});
}

TEST_F(BatchFileTest, StartNeverRewritesABatchThatMayStillRun) {
  fake.files.AddFile("C:\\Q\\temp.bat", "running");
  fake.files.AddFile("C:\\Q\\temp2.bat", "running too");
  const BatchResult result = StartBatch(form, platform);
  EXPECT_EQ(result.path, "C:\\Q\\temp3.bat");
  EXPECT_EQ(fake.files.ReadFile("C:\\Q\\temp3.bat"), std::string(kStartHeader) + "del temp3.bat");
  EXPECT_EQ(fake.files.ReadFile("C:\\Q\\temp.bat"), "running");
  EXPECT_EQ(fake.processes.started.at(0).commandLine, "\"C:\\Q\\temp3.bat\"");
}

TEST_F(BatchFileTest, FailedStartTouchesNoProcessAndLeavesNoBatch) {
  fake.processes.startFails = true;
  const BatchResult result = StartBatch(form, platform);
  EXPECT_EQ(result.outcome, BatchOutcome::NotStarted);
  EXPECT_EQ(result.path, "C:\\Q\\temp.bat");
  EXPECT_EQ(fake.processes.log, std::vector<std::string>{"start \"C:\\Q\\temp.bat\""});
  EXPECT_FALSE(fake.files.FileExists("C:\\Q\\temp.bat"));
  EXPECT_TRUE(fake.files.FileExists("C:\\Q\\quorvelan.ini"));
}

TEST_F(BatchFileTest, UnwritableBatchIsReportedAfterTheStateIsSaved) {
  fake.files.MakeReadOnly("C:\\Q\\temp.bat");
  const BatchResult result = StartBatch(form, platform);
  EXPECT_EQ(result.outcome, BatchOutcome::Failed);
  EXPECT_EQ(result.path, "C:\\Q\\temp.bat");
  EXPECT_TRUE(result.stateSaved);
  EXPECT_TRUE(fake.files.FileExists("C:\\Q\\quorvelan.ini"));
  EXPECT_TRUE(fake.processes.log.empty());
}

TEST_F(BatchFileTest, UnwritableStateFileIsReportedButTheBatchStarts) {
  fake.files.MakeReadOnly("C:\\Q\\quorvelan.ini");
  const BatchResult result = StartBatch(form, platform);
  EXPECT_EQ(result.outcome, BatchOutcome::Started);
  EXPECT_FALSE(result.stateSaved);
}

}  // namespace
}  // namespace qv
