#pragma once
// The program's state between events: the form, the system, the calculator
// library, the x264 found, how far the job list's file is behind, and
// whether "Cancel" asked to end, the steps that Ctrl+Z takes back, the
// queue that runs.

#include <optional>

#include "form/form.h"
#include "jobs/x264_probe.h"
#include "platform/platform.h"
#include "ui/job_list_history.h"
#include "ui/queue_run.h"

namespace qv {

struct App {
  Form& form;
  const platform::Platform& platform;
  platform::Libraries::Handle calculator = nullptr;  // "rateplan.dll", may be absent
  bool quit = false;                                 // set by "Cancel"
  std::optional<X264Build> x264 = std::nullopt;      // looked for once, when "auto" first needs it
  // The window keeps the job list in its file; the command line leaves the
  // file alone. The file: the revision of the list that it holds; whether it
  // may be written (not while a damaged one that could not be moved is
  // there); whether the user knows that the last write failed.
  bool keepsJobList = true;
  unsigned jobListWritten = 0;
  bool jobListWritable = true;
  bool jobListFailureTold = false;
  JobListHistory jobHistory{};
  std::optional<QueueRun> run = std::nullopt;  // the queue that "Start" started last
};

}  // namespace qv
