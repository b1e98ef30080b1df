#pragma once
// A form at the built-in defaults with one job entered, for benchmarks.

#include "form/form.h"
#include "platform/fake/fake_platform.h"

namespace qv::bench {

struct BenchJob {
  platform::FakePlatform fake;
  Form form;
  BenchJob();
  void EnterJob();  // input, output, stats and log as the input picker leaves them
};

}  // namespace qv::bench
