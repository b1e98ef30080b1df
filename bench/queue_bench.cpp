// The window's cost while a queue runs: reading the run channel and
// updating the queue's statuses on the poll timer, and building the queue
// view's texts, for a queue of 10,000 jobs.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "platform/fake/fake_platform.h"
#include "platform/posix/posix_platform.h"
#include "ui/queue_run.h"

namespace qv::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kJobs = 10000;
constexpr std::size_t kRunning = kJobs / 2;  // the jobs before it are done
constexpr int kPollsAMinute = 120;           // the window's timer: 500 ms
constexpr int kRecordsAPoll = 2;             // x264 writes its progress line four times a second
constexpr int kScreenRows = 30;              // a maximised queue view

std::vector<QueueJob> Jobs() {
  std::vector<QueueJob> jobs(kJobs);
  for (std::size_t i = 0; i < kJobs; ++i) {
    const std::string name = "D:\\video\\clip" + std::to_string(i);
    jobs[i].input = name + ".avs";
    jobs[i].output = name + ".mp4";
    jobs[i].finalOutput = name + ".mp4";
    jobs[i].mode = "Two Pass - 1st Pass Fast";
    jobs[i].passes = 2;
    jobs[i].logPaths = {name + ".1.txt", name + ".2.txt"};
  }
  return jobs;
}

// A queue halfway through, its channel a real file in a scratch folder.
struct RunningQueue {
  fs::path folder = fs::temp_directory_path() / ("qv-queue-bench-" + std::to_string(::getpid()));
  platform::FakePlatform fake;
  platform::PosixFileSystem files;
  platform::Platform platform{files, fake.dialogs, fake.processes, fake.libraries, fake.clipboard,
                              fake.codePages, folder.string() + "/", folder.string() + "/"};
  std::string channel = (folder / "temp.run").string();
  std::optional<QueueRun> run;
  int frame = 0;  // of the running job's progress

  RunningQueue() {
    fs::create_directories(folder);
    std::vector<JobState> kept(kJobs, JobState::Waiting);
    std::fill(kept.begin(), kept.begin() + kRunning, JobState::Done);
    Append("step " + Jobs()[kRunning].logPaths[0] + "\n");
    fake.processes.running.insert(1);
    run.emplace(platform, 1, (folder / "temp.bat").string(), channel, Jobs(), kept);
    run->Poll();
  }
  ~RunningQueue() { fs::remove_all(folder); }

  void Append(const std::string& records) { std::ofstream(channel, std::ios::app | std::ios::binary) << records; }
  // What teelog.exe appends between two polls, half a second on.
  void Arrive() {
    std::string records;
    for (int i = 0; i < kRecordsAPoll; ++i) {
      frame += 6;
      records += "progress [" + std::to_string(frame / 1000) + ".0%] " + std::to_string(frame) +
                 "/100000 frames, 24.13 fps, 1811.42 kb/s, eta 1:08:04\n";
    }
    Append(records);
    fake.processes.now += 500;
  }
  // The rows that the list view asks for when it draws from `top`.
  void ShowRows(std::size_t top) {
    const QueueWatch& watch = run->Watch();
    for (std::size_t job = top; job < top + kScreenRows && job < kJobs; ++job) {
      for (const QueueColumn& column : QueueColumns()) benchmark::DoNotOptimize(column.text(watch, job, run->NowMs()));
    }
  }
};

// One iteration is a minute of encoding: 120 polls, each taking the two
// progress records that arrived, keeping the statuses, and showing the
// status bar, the title and the screenful of rows around the running job.
// Its CPU time over 60 s is the window's share of one core.
void BM_WatchAMinute(benchmark::State& state) {
  RunningQueue queue;
  for (auto _ : state) {
    for (int poll = 0; poll < kPollsAMinute; ++poll) {
      state.PauseTiming();
      queue.Arrive();
      state.ResumeTiming();
      queue.run->Poll();
      benchmark::DoNotOptimize(queue.run->Watch().Summary());
      benchmark::DoNotOptimize(QueueTitle(&queue.run->Watch(), true));
      queue.ShowRows(kRunning - kScreenRows / 2);
    }
  }
}
BENCHMARK(BM_WatchAMinute)->Unit(benchmark::kMillisecond);

// The plain limit beside it: only reading the new bytes of the channel and
// finding their line ends, with the same 120 opens of the file a minute.
void BM_ReadChannelAMinute(benchmark::State& state) {
  RunningQueue queue;
  long long read = 0;
  for (auto _ : state) {
    for (int poll = 0; poll < kPollsAMinute; ++poll) {
      state.PauseTiming();
      queue.Arrive();
      state.ResumeTiming();
      std::FILE* file = std::fopen(queue.channel.c_str(), "rb");
      std::fseek(file, static_cast<long>(read), SEEK_SET);
      char bytes[4096];
      std::size_t lines = 0;
      for (std::size_t got; (got = std::fread(bytes, 1, sizeof bytes, file)) > 0; read += static_cast<long long>(got)) {
        lines += static_cast<std::size_t>(std::count(bytes, bytes + got, '\n'));
      }
      std::fclose(file);
      benchmark::DoNotOptimize(lines);
    }
  }
}
BENCHMARK(BM_ReadChannelAMinute)->Unit(benchmark::kMillisecond);

// A scroll step of the queue view: the texts of a screenful of rows, a page
// further on each time, the way the virtual list view asks for them.
void BM_QueueViewScrollStep(benchmark::State& state) {
  RunningQueue queue;
  std::size_t top = 0;
  for (auto _ : state) {
    queue.ShowRows(top);
    top = (top + kScreenRows) % kJobs;
  }
}
BENCHMARK(BM_QueueViewScrollStep)->Unit(benchmark::kMicrosecond);

// The plain limit beside it: the same cells' texts, made beforehand, only
// copied out as the list view's requests take them.
void BM_CopiedRowsScrollStep(benchmark::State& state) {
  RunningQueue queue;
  std::vector<std::string> cells;
  for (std::size_t job = 0; job < kJobs; ++job) {
    for (const QueueColumn& column : QueueColumns()) cells.push_back(column.text(queue.run->Watch(), job, 0));
  }
  const std::size_t columns = QueueColumns().size();
  std::size_t top = 0;
  for (auto _ : state) {
    for (std::size_t cell = top * columns; cell < (top + kScreenRows) * columns && cell < cells.size(); ++cell) {
      benchmark::DoNotOptimize(std::string(cells[cell]));
    }
    top = (top + kScreenRows) % kJobs;
  }
}
BENCHMARK(BM_CopiedRowsScrollStep)->Unit(benchmark::kMicrosecond);

// Opening the view on a queue of 10,000 jobs: the jobs of the job list, the
// statuses kept from an earlier run, and the first screenful.
void BM_QueueViewOpen(benchmark::State& state) {
  RunningQueue queue;
  std::vector<std::string> lines;
  for (const QueueJob& job : Jobs()) {
    lines.insert(lines.end(), {"@echo Input:" + job.input, "@echo Output:" + job.output,
                               "@echo Encode Mode:" + job.mode,
                               "x264.exe --pass 1 -o NUL \"" + job.input + "\" 2>&1|teelog.exe \"" +
                                   job.logPaths[0] + "\"",
                               "x264.exe --pass 2 -o \"" + job.output + "\" \"" + job.input + "\" 2>&1|teelog.exe \"" +
                                   job.logPaths[1] + "\""});
  }
  for (auto _ : state) {
    std::vector<QueueJob> jobs = SplitQueueJobs(lines);
    const std::vector<JobState> kept = KeptStates(queue.platform, jobs);
    QueueRun run(queue.platform, 1, "temp.bat", queue.channel, std::move(jobs), kept);
    for (std::size_t job = 0; job < kScreenRows; ++job) {
      for (const QueueColumn& column : QueueColumns()) benchmark::DoNotOptimize(column.text(run.Watch(), job, 0));
    }
  }
}
BENCHMARK(BM_QueueViewOpen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv::bench
