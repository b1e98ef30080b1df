// Building command lines and job blocks.

#include <benchmark/benchmark.h>

#include "bench_form.h"
#include "commands/pass_command.h"
#include "jobs/job_list.h"

namespace qv::bench {
namespace {

constexpr EncodeMode kPassModes[] = {
    EncodeMode::SinglePassBitrate, EncodeMode::SinglePassQuantizer, EncodeMode::SinglePassCrf,
    EncodeMode::FirstPass,         EncodeMode::FirstPassFast,       EncodeMode::NthPass,
    EncodeMode::FirstPassCrf,      EncodeMode::FirstPassCrfFast,    EncodeMode::FirstPassCrfWithOutput,
    EncodeMode::ConditionalDoublePassCrf,
};

void BM_BuildPassCommand(benchmark::State& state) {
  BenchJob job;
  job.EnterJob();
  const EncodeMode passMode = kPassModes[state.range(0)];
  const auto syntax = static_cast<X264Syntax>(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(BuildPassCommand(job.form, syntax, passMode, "1000"));
  state.SetLabel("pass mode " + std::to_string(static_cast<int>(passMode)) +
                 (syntax == X264Syntax::Current ? ", current syntax" : ", classic syntax"));
}
BENCHMARK(BM_BuildPassCommand)->ArgsProduct({benchmark::CreateDenseRange(0, std::size(kPassModes) - 1, 1), {0, 1}});

// Every encode mode as "Add" expands it, with audio and muxing on.
void BM_JobLines(benchmark::State& state) {
  BenchJob job;
  job.form.SetNumber(ControlId::Mode, static_cast<int>(state.range(0)));
  job.form.SetNumber(ControlId::Audio, 1);
  job.EnterJob();
  for (auto _ : state) benchmark::DoNotOptimize(JobLines(job.form, X264Syntax::Current));
  state.SetLabel("mode " + std::to_string(state.range(0)));
}
BENCHMARK(BM_JobLines)->DenseRange(0, 13);

void BM_AddJob(benchmark::State& state) {
  BenchJob job;
  for (auto _ : state) {
    job.EnterJob();
    AddJob(job.form, X264Syntax::Current, job.fake.platform);
    // Keeps the list (and the memory) from growing for the whole run.
    if (job.form.ItemCount(ControlId::JobList) > 40000) ClearJobs(job.form);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AddJob);

}  // namespace
}  // namespace qv::bench
