// Writing a 100,000-line batch, beside one plain write of the same bytes
// into the same folder; rewriting the job list's file of the same lines.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_form.h"
#include "jobs/batch_file.h"
#include "jobs/job_list_file.h"
#include "platform/posix/posix_platform.h"

namespace qv::bench {
namespace {

constexpr int kLines = 100000;

struct BatchSetup {
  BenchJob job;
  platform::PosixFileSystem files;
  platform::Platform platform{files, job.fake.dialogs, job.fake.processes, job.fake.libraries, job.fake.clipboard,
                              job.fake.codePages, "C:\\Q\\", "C:\\W\\"};
  std::string folder;

  BatchSetup() {
    // TMPDIR picks the file system measured (/dev/shm: memory only).
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/quorvelan-bench-XXXXXX";
    folder = mkdtemp(pattern.data());
    std::vector<std::string> lines;
    lines.reserve(kLines);
    for (int i = 0; i < kLines; ++i) {
      lines.push_back(i % 4 == 0 ? "@echo Input:D:\\videos\\holiday\\clip" + std::to_string(i) + ".avs"
                                 : "x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 "
                                   "--me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct \"temporal\" "
                                   "--b-bias 0 -w -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 "
                                   "-o \"D:\\videos\\clip" +
                                       std::to_string(i) + ".mp4\" \"D:\\videos\\clip" + std::to_string(i) +
                                       ".avs\" 2>&1|teelog.exe \"C:\\Q\\log\\clip.avs.txt\"");
    }
    job.form.AddItems(ControlId::JobList, std::move(lines));
  }
  ~BatchSetup() {
    unlink((folder + "/jobs.bat").c_str());
    unlink((folder + "/plain.bat").c_str());
    unlink((folder + "/atomic.bat").c_str());
    unlink((folder + "/quorvelan-jobs.txt").c_str());
    rmdir(folder.c_str());
  }
};

BatchSetup& Setup() {
  static BatchSetup setup;
  return setup;
}

bool PlainWrite(const std::string& path, const std::string& bytes) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  const bool written = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  return close(fd) == 0 && written;
}

// The same bytes the way a careful plain program replaces a file: a new
// file renamed over the old one. On ext4 the rename alone starts writing the
// new file out (its auto_da_alloc guard for files replaced by a rename), so
// this is the plain limit of any atomic replacement there.
bool PlainAtomicWrite(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".new";
  return PlainWrite(temporary, bytes) && rename(temporary.c_str(), path.c_str()) == 0;
}

// The save dialog's path and "yes" to replacing the batch of the iteration
// before; the record of dialog calls is dropped so that it does not grow.
void QueueSaveAnswers(BatchSetup& setup, const std::string& path) {
  setup.job.fake.dialogs.paths.push_back(path);
  setup.job.fake.dialogs.answers.assign(1, true);
  setup.job.fake.dialogs.calls.clear();
}

void BM_MakeBatchFile100kLines(benchmark::State& state) {
  BatchSetup& setup = Setup();
  const std::string path = setup.folder + "/jobs.bat";
  for (auto _ : state) {
    QueueSaveAnswers(setup, path);
    if (MakeBatchFile(setup.job.form, setup.platform).outcome != BatchOutcome::Written) {
      state.SkipWithError("batch not written");
    }
  }
  state.SetBytesProcessed(state.iterations() * BatchFileText(setup.job.form, "C:\\Q\\").size());
}
BENCHMARK(BM_MakeBatchFile100kLines)->Unit(benchmark::kMillisecond);

// The text alone, without the write.
void BM_BatchFileText100kLines(benchmark::State& state) {
  BatchSetup& setup = Setup();
  for (auto _ : state) benchmark::DoNotOptimize(BatchFileText(setup.job.form, "C:\\Q\\"));
}
BENCHMARK(BM_BatchFileText100kLines)->Unit(benchmark::kMillisecond);

void BM_PlainWriteOfTheSameBytes(benchmark::State& state) {
  BatchSetup& setup = Setup();
  const std::string bytes = BatchFileText(setup.job.form, "C:\\Q\\");
  const std::string path = setup.folder + "/plain.bat";
  for (auto _ : state) {
    if (!PlainWrite(path, bytes)) state.SkipWithError("plain write failed");
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_PlainWriteOfTheSameBytes)->Unit(benchmark::kMillisecond);

// What every change of the list costs.
void BM_WriteJobList100kLines(benchmark::State& state) {
  BatchSetup& setup = Setup();
  const std::string path = setup.folder + "/quorvelan-jobs.txt";
  for (auto _ : state) {
    if (!WriteJobList(setup.files, path, setup.job.form.Items(ControlId::JobList))) {
      state.SkipWithError("job list not written");
    }
  }
}
BENCHMARK(BM_WriteJobList100kLines)->Unit(benchmark::kMillisecond);

// Both, alternately in each iteration, so that the ratio comes from the same
// moments of the machine's load.
void BM_MakeBatchFileOverPlainWrite(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  BatchSetup& setup = Setup();
  const std::string bytes = BatchFileText(setup.job.form, "C:\\Q\\");
  const std::string batchPath = setup.folder + "/jobs.bat";
  const std::string plainPath = setup.folder + "/plain.bat";
  const std::string atomicPath = setup.folder + "/atomic.bat";
  double batchSeconds = 0;
  double plainSeconds = 0;
  double atomicSeconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    QueueSaveAnswers(setup, batchPath);
    if (MakeBatchFile(setup.job.form, setup.platform).outcome != BatchOutcome::Written) {
      state.SkipWithError("batch not written");
      break;
    }
    const auto middle = Clock::now();
    PlainWrite(plainPath, bytes);
    const auto plainEnd = Clock::now();
    PlainAtomicWrite(atomicPath, bytes);
    const auto end = Clock::now();
    batchSeconds += std::chrono::duration<double>(middle - start).count();
    plainSeconds += std::chrono::duration<double>(plainEnd - middle).count();
    atomicSeconds += std::chrono::duration<double>(end - plainEnd).count();
  }
  state.counters["ratio"] = batchSeconds / plainSeconds;
  state.counters["ratio_atomic"] = batchSeconds / atomicSeconds;
}
BENCHMARK(BM_MakeBatchFileOverPlainWrite)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace qv::bench
