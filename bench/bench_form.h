#pragma once
// A form at the built-in defaults with one job entered, for benchmarks.

#include "form/form.h"
#include "platform/fake/fake_platform.h"
#include "settings/config_io.h"

namespace qv::bench {

struct BenchJob {
  platform::FakePlatform fake;
  Form form = InitialForm();
  BenchJob();
  void EnterJob();  // input, output, stats and log as the input picker leaves them
};

}  // namespace qv::bench
