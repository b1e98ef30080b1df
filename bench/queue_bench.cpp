// The watcher of a running queue of 10,000 jobs: what one poll of the
// window's timer costs (twice a second while the queue runs), and what the
// queue view's cells of one screenful of rows cost to draw.

#include <benchmark/benchmark.h>

#include "platform/fake/fake_platform.h"
#include "ui/queue_run.h"

namespace qv::bench {
namespace {

constexpr std::size_t kJobs = 10000;

struct BigQueue {
  BigQueue() {
    fake.files.AddFolder("C:\\Q");
    fake.processes.running.insert(1);
    std::vector<QueueJob> jobs(kJobs);
    for (std::size_t i = 0; i < kJobs; ++i) {
      jobs[i].input = "D:\\v\\clip" + std::to_string(i) + ".avs";
      jobs[i].finalOutput = "D:\\v\\clip" + std::to_string(i) + ".mp4";
      jobs[i].mode = "Single Pass - Quantizer";
      jobs[i].passes = 1;
      jobs[i].logPaths = {"C:\\Q\\log\\clip" + std::to_string(i) + ".txt"};
    }
    run.emplace(fake.platform, 1, "C:\\Q\\temp.bat", "C:\\Q\\temp.run", std::move(jobs),
                std::vector<JobState>(kJobs, JobState::Waiting));
    Append("step C:\\Q\\log\\clip5000.txt\n");
    run->Poll();
  }
  void Append(const std::string& records) {
    fake.files.WriteFile("C:\\Q\\temp.run", fake.files.ReadFile("C:\\Q\\temp.run", std::string::npos).bytes + records);
  }
  platform::FakePlatform fake;
  std::optional<QueueRun> run;
};

void BM_PollWithNothingNew(benchmark::State& state) {
  BigQueue queue;
  for (auto _ : state) queue.run->Poll();
}
BENCHMARK(BM_PollWithNothingNew)->Unit(benchmark::kMicrosecond);

void BM_PollWithAProgressRecord(benchmark::State& state) {
  BigQueue queue;
  for (auto _ : state) {
    state.PauseTiming();
    queue.Append("progress [50.0%] 50/100 frames, 4.00 fps, 812.25 kb/s, eta 0:00:15\n");
    state.ResumeTiming();
    queue.run->Poll();
    benchmark::DoNotOptimize(queue.run->Watch().Summary());
  }
}
BENCHMARK(BM_PollWithAProgressRecord)->Unit(benchmark::kMicrosecond);

void BM_ScreenOfCells(benchmark::State& state) {
  BigQueue queue;
  for (auto _ : state) {
    for (std::size_t job = 4980; job < 5020; ++job) {
      for (const QueueColumn& column : QueueColumns()) benchmark::DoNotOptimize(column.text(queue.run->Watch(), job, 0));
    }
  }
}
BENCHMARK(BM_ScreenOfCells)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qv::bench
