// What "auto" adds to the first job of a session: finding x264.exe where a
// batch finds it and running it once for its version. Here x264.exe is the
// x264 on this machine's PATH, linked into a fresh program folder's tools
// folder; the target is under 100 ms.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "jobs/x264_probe.h"
#include "platform/fake/fake_platform.h"
#include "platform/posix/posix_platform.h"

namespace qv::bench {
namespace {

namespace fs = std::filesystem;

std::string X264OnPath() {
  const char* path = std::getenv("PATH");
  std::string entries = path != nullptr ? path : "";
  for (std::size_t start = 0; start <= entries.size();) {
    const std::size_t end = std::min(entries.find(':', start), entries.size());
    const fs::path candidate = fs::path(entries.substr(start, end - start)) / "x264";
    if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
    start = end + 1;
  }
  return {};
}

void BM_FindX264(benchmark::State& state) {
  const std::string x264 = X264OnPath();
  if (x264.empty()) {
    state.SkipWithError("no x264 on PATH");
    return;
  }
  const fs::path folder = fs::temp_directory_path() / ("qv_probe_bench_" + std::to_string(getpid()));
  fs::create_directories(folder / "tools");
  fs::create_symlink(x264, folder / "tools" / "x264.exe");
  platform::PosixFileSystem files;
  platform::PosixProcesses processes;
  platform::PosixLibraries libraries;
  platform::MemoryClipboard clipboard;
  platform::PosixCodePages codePages;
  platform::FakeDialogs dialogs;  // never asked
  const platform::Platform platform{files, dialogs, processes, libraries, clipboard, codePages, folder.string() + "/",
                                    folder.string() + "/"};
  X264Build build;
  for (auto _ : state) build = FindX264(platform);
  state.SetLabel(DescribeX264(build));
  fs::remove_all(folder);
}
BENCHMARK(BM_FindX264)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv::bench
