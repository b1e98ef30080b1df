// The queue's watcher: x264's lines as teelog.exe reads them, the records of
// the run channel, and the jobs' statuses they give.

#include <gtest/gtest.h>

#include <map>

#include "jobs/queue_status.h"

namespace qv {
namespace {

TEST(X264Progress, ReadsTheLinesOfOldAndNewBuildsAndNothingElse) {
  const auto full = ParseX264Progress("[37.5%] 150/400 frames, 24.51 fps, 1234.56 kb/s, eta 0:00:10");
  ASSERT_TRUE(full);
  EXPECT_EQ(full->frame, 150);
  EXPECT_EQ(full->totalFrames, 400);
  EXPECT_DOUBLE_EQ(full->percent, 37.5);
  EXPECT_DOUBLE_EQ(full->fps, 24.51);
  EXPECT_DOUBLE_EQ(full->kbps, 1234.56);
  const auto newer = ParseX264Progress("[0.4%] 2/500 frames, 0.98 fps, 11.20 kb/s, 0.00 MB, eta 0:08:28, est.size 0.15 MB");
  ASSERT_TRUE(newer);
  EXPECT_EQ(newer->totalFrames, 500);
  const auto open = ParseX264Progress("150 frames: 24.51 fps, 1234.56 kb/s");
  ASSERT_TRUE(open);
  EXPECT_EQ(open->totalFrames, 0);
  EXPECT_LT(open->percent, 0);
  // A number missing before its unit.
  for (const char* other : {"x264 [info]: profile High, level 3.0", "[37.5%] 150 frames, 24.51 fps, 1 kb/s",
                            "[37.5%] 150/400 frames,  fps, 1 kb/s", "150 frames: 2 fps,  kb/s",
                            "encoded 400 frames, 24.51 fps, 1234.56 kb/s", "[error]: could not open input file", "", "["})
    EXPECT_FALSE(ParseX264Progress(other)) << other;
  const auto summary = ParseX264Summary("encoded 400 frames, 24.51 fps, 1234.56 kb/s");
  ASSERT_TRUE(summary);
  EXPECT_EQ(summary->frame, 400);
  for (const char* other : {"encoded 3 frames of clip.avs", "encoded  frames, 24.51 fps, 1 kb/s", "encoded 400 frames, 24.51 fps"})
    EXPECT_FALSE(ParseX264Summary(other)) << other;
}

// What teelog.exe writes to the channel for an encoder's output, however the
// pipe cuts it, and what the window reads back.
std::string Records(const std::vector<std::string>& chunks) {
  StepOutput output;
  std::string channel = RunRecordLine(RunRecordKind::Step, "C:\\log\\a.txt");
  for (const std::string& chunk : chunks) {
    output.Add(chunk);
    const std::string progress = output.TakeProgress();
    if (!progress.empty()) channel += RunRecordLine(RunRecordKind::Progress, progress);
  }
  return channel + output.Finish();
}

TEST(RunChannel, CarriesProgressTailAndEndWhateverThePipeCuts) {
  const std::string channel = Records({"x264 [info]: using cpu\r\n[10.0%] 4/40 fra", "mes, 2.00 fps, 9.00 kb/s, eta 0:00:18\r",
                                       "[50.0%] 20/40 frames, 2.00 fps, 9.00 kb/s, eta 0:00:10\r\x1b\tmore\r\n",
                                       "encoded 40 frames, 2.00 fps, 9.00 kb/s\n"});
  EXPECT_EQ(channel,
            "step C:\\log\\a.txt\n"
            "progress [10.0%] 4/40 frames, 2.00 fps, 9.00 kb/s, eta 0:00:18\n"
            "progress [50.0%] 20/40 frames, 2.00 fps, 9.00 kb/s, eta 0:00:10\n"
            "tail x264 [info]: using cpu\ntail   more\ntail encoded 40 frames, 2.00 fps, 9.00 kb/s\nend ok\n");
  EXPECT_EQ(Records({"a\nb\nc\nd\n[error]: no input\ne\nf\ng"}),
            "step C:\\log\\a.txt\ntail [error]: no input\ntail e\ntail f\ntail g\nend error\n");
  EXPECT_EQ(Records({"[5.0%] 2/40 frames, 2.00 fps, 9.00 kb/s, eta 0:00:19\r"}),
            "step C:\\log\\a.txt\nprogress [5.0%] 2/40 frames, 2.00 fps, 9.00 kb/s, eta 0:00:19\nend cut\n");

  std::size_t used = 0;
  // A record that a batch line echoes ends with CR LF.
  const std::string bytes = channel + "nonsense\nend maybe\nend ok\r\nprogress [half";
  const std::vector<RunRecord> records = ParseRunRecords(bytes, used);
  EXPECT_EQ(used, bytes.size() - 14) << "a record without its line end waits";
  ASSERT_EQ(records.size(), 8u);
  EXPECT_EQ(records[7].end, StepEnd::Ok);
  EXPECT_EQ(records[0].kind, RunRecordKind::Step);
  EXPECT_EQ(records[0].text, "C:\\log\\a.txt");
  EXPECT_EQ(records[2].text, "[50.0%] 20/40 frames, 2.00 fps, 9.00 kb/s, eta 0:00:10");
  EXPECT_EQ(records[6].kind, RunRecordKind::End);
  EXPECT_EQ(records[6].end, StepEnd::Ok);
}

// A queue of four jobs as the job list holds them: two passes with audio and
// a Matroska merge, one pass, one without a log (nothing reports on it), and
// one after a shutdown line. Lines before the first header are no job.
const std::vector<std::string> kList = {
    "rem mine",
    "@echo Input:D:\\v\\a^&b 100%%.avs",
    "@echo Output:D:\\v\\a^&b 100%%.mp4",
    "@echo Encode Mode:Automated Double Passes",
    "x264.exe --progress -p 1 --stats \"C:\\Q\\a.stat\" -o nul \"D:\\v\\a&b 100%%.avs\" 2>&1|teelog.exe \"C:\\Q\\log\\a 100%%%%.txt\"",
    "if errorlevel 1 x264.exe --progress -p 2 -o \"D:\\v\\a&b 100%%.mp4\" \"D:\\v\\a&b 100%%.avs\" 2>&1|teelog.exe \"C:\\Q\\log\\a 100%%%%.txt\"",
    "bepipe.exe --script \"import(^D:\\v\\a.avs^)\" | neroaacenc.exe -if - -of \"D:\\v\\a.audio.mp4\"",
    "mkvmerge -o \"D:\\v\\a.muxed.mkv\" \"D:\\v\\a&b 100%%.mp4\" \"D:\\v\\a.audio.mp4\"",
    "@echo Input:D:\\v\\b.avs",
    "@echo Output:D:\\v\\b.mp4",
    "@echo Encode Mode:Single Pass - Quantizer",
    "x264.exe --progress -q 26 -o \"D:\\v\\b.mp4\" \"D:\\v\\b.avs\" 2>&1|teelog.exe \"C:\\Q\\log\\b.txt\"",
    "@echo Input:D:\\v\\c.avs",
    "@echo Output:D:\\v\\c.mp4",
    "@echo Encode Mode:Single Pass - Quantizer",
    "x264.exe --progress -q 26 -o \"D:\\v\\c.mp4\" \"D:\\v\\c.avs\"",
    "shutdown.exe -s -f -t 30",
    "@echo Input:D:\\v\\d.avs",
    "@echo Output:D:\\v\\d.mp4",
    "@echo Encode Mode:Single Pass - Quantizer",
    "x264.exe --progress -q 26 -o \"D:\\v\\d.mp4\" \"D:\\v\\d.avs\" 2>&1|teelog.exe \"C:\\Q\\log\\d.txt\"",
};

TEST(QueueJobs, AreTheHeadersWithTheirLinesAndKnowTheirPassesLogsAndFinalOutput) {
  const std::vector<QueueJob> jobs = SplitQueueJobs(kList);
  ASSERT_EQ(jobs.size(), 4u);
  EXPECT_EQ(jobs[0].firstLine, 1u);
  EXPECT_EQ(jobs[0].endLine, 8u);
  EXPECT_EQ(jobs[0].input, "D:\\v\\a&b 100%.avs");
  EXPECT_EQ(jobs[0].mode, "Automated Double Passes");
  EXPECT_EQ(jobs[0].passes, 2);
  EXPECT_EQ(jobs[0].logPaths, std::vector<std::string>(2, "C:\\Q\\log\\a 100%%.txt")) << "two percent signs in a row";
  EXPECT_EQ(jobs[0].finalOutput, "D:\\v\\a.muxed.mkv");
  EXPECT_EQ(jobs[1].finalOutput, "D:\\v\\b.mp4");
  EXPECT_TRUE(jobs[2].logPaths.empty());
  EXPECT_EQ(jobs[2].endLine, 16u) << "the shutdown line belongs to no job";
  EXPECT_EQ(jobs[3].firstLine, 17u);
}

struct QueueRun {
  std::map<std::string, std::uint64_t> files;
  QueueWatch watch{SplitQueueJobs(kList), [this](const std::string& path) -> std::optional<std::uint64_t> {
                     const auto found = files.find(path);
                     if (found == files.end()) return std::nullopt;
                     return found->second;
                   }};
  void Feed(const std::string& records, std::int64_t nowMs) {
    std::size_t used = 0;
    for (const RunRecord& record : ParseRunRecords(records, used)) watch.Apply(record, nowMs);
  }
};

TEST(QueueWatch, FollowsPassesRatesAndEndsToEachJobsStatus) {
  QueueRun run;
  EXPECT_EQ(run.watch.Summary(), "4 waiting");
  run.Feed("step C:\\Q\\log\\a 100%%.txt\n", 1000);
  EXPECT_EQ(run.watch.StatusText(0), "running pass 1 of 2");
  EXPECT_EQ(run.watch.Summary(), "1 running, 3 waiting \xE2\x80\x94 ETA unknown");
  run.Feed("progress [25.0%] 100/400 frames, 10.00 fps, 900.00 kb/s, eta 0:00:30\n", 11000);
  // 300 frames of this pass and 400 of the next at 10 fps; then b and d at
  // 400 frames a pass; c has no log but runs all the same.
  EXPECT_EQ(run.watch.JobEtaSeconds(0), 70);
  EXPECT_EQ(run.watch.JobEtaSeconds(1), 40);
  EXPECT_EQ(run.watch.QueueEtaSeconds(), 70 + 40 + 40 + 40);
  EXPECT_NEAR(run.watch.QueueFraction(), 0.25 / 5, 1e-9);
  EXPECT_EQ(run.watch.ElapsedMs(0, 11000), 10000);
  run.Feed("tail encoded 400 frames\nend ok\nstep C:\\Q\\log\\a 100%%.txt\n", 41000);
  EXPECT_EQ(run.watch.StatusText(0), "running pass 2 of 2");
  EXPECT_FALSE(run.watch.JobEtaSeconds(0)) << "no rate yet in the new pass";

  // The merge wrote its file before b's step began.
  run.files["D:\\v\\a.muxed.mkv"] = 5000;
  run.Feed("end ok\nstep C:\\Q\\log\\b.txt\nprogress [50.0%] 1/2 frames, 1.00 fps, 1.00 kb/s, eta 0:00:01\n", 90000);
  EXPECT_EQ(run.watch.StatusText(0), "done");
  EXPECT_EQ(run.watch.Status(0).outputSize, 5000u);
  EXPECT_EQ(run.watch.ElapsedMs(0, 999999), 89000);
  EXPECT_EQ(run.watch.Current(), 1u);
  run.Feed("tail x264 [error]: malloc failed\nend error\n", 95000);
  EXPECT_EQ(run.watch.StatusText(1), "failed");
  EXPECT_EQ(run.watch.Status(1).tail, std::vector<std::string>{"x264 [error]: malloc failed"});

  // c ran without a log, d's step never came: c is judged by its output.
  run.files["D:\\v\\c.mp4"] = 1;
  run.watch.BatchEnded(120000);
  EXPECT_EQ(run.watch.StatusText(2), "done");
  EXPECT_EQ(run.watch.StatusText(3), "failed");
  EXPECT_EQ(run.watch.Status(3).reason, "x264 did not start");
  EXPECT_EQ(run.watch.Summary(), "2 done, 2 failed");
  EXPECT_DOUBLE_EQ(run.watch.QueueFraction(), 1.0);
}

TEST(QueueWatch, AStoppedOrClosedBatchStopsTheRunningJobAndLeavesTheRestWaiting) {
  for (const bool closed : {false, true}) {
    QueueRun run;
    run.Feed("step C:\\Q\\log\\a 100%%.txt\nend ok\nstep C:\\Q\\log\\a 100%%.txt\n", 1000);
    run.files["D:\\v\\a.muxed.mkv"] = 0;  // not the x264 output the merge reads: a partial one
    if (closed) {
      run.watch.BatchEnded(2000);
    } else {
      run.watch.Stop(2000);
    }
    EXPECT_EQ(run.watch.StatusText(0), "stopped");
    EXPECT_NE(run.watch.Status(0).reason.find(closed ? "the batch ended" : "partial output left: D:\\v\\a.muxed.mkv"),
              std::string::npos)
        << run.watch.Status(0).reason;
    EXPECT_EQ(run.watch.Summary(), "1 stopped, 3 waiting");
  }
  QueueRun unstarted;
  unstarted.watch.Stop(5);
  EXPECT_EQ(unstarted.watch.Summary(), "4 waiting");
  // A later job's step follows a step that never ended.
  QueueRun cut;
  cut.Feed("step C:\\Q\\log\\a 100%%.txt\nstep C:\\Q\\log\\b.txt\n", 1000);
  EXPECT_EQ(cut.watch.Status(0).reason, "its x264 step ended without a word");
}

TEST(QueueWatch, StepsOfOtherListsAndRecordsBeforeAnyStepChangeNothing) {
  QueueRun run;
  run.Feed("progress [25.0%] 100/400 frames, 10.00 fps, 900.00 kb/s, eta 0:00:30\nend error\nstep C:\\Q\\log\\z.txt\n", 1);
  EXPECT_EQ(run.watch.Summary(), "4 waiting");
  run.Feed("step C:\\Q\\log\\d.txt\n", 2);  // a, b, c were skipped over
  EXPECT_EQ(run.watch.Summary(), "1 running, 3 failed \xE2\x80\x94 ETA unknown");
  EXPECT_EQ(DurationText(3 * 3600 + 61), "3:01:01");
}

}  // namespace
}  // namespace qv
