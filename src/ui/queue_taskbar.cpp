#include "ui/queue_taskbar.h"

namespace qv {

TaskbarProgress QueueTaskbar(const QueueRun& run) {
  if (run.Ended()) return {};
  const QueueWatch& watch = run.Watch();
  TaskbarProgress shown{run.Paused() ? TaskbarState::Paused : TaskbarState::Running, watch.QueueFraction()};
  for (std::size_t job = 0; job < watch.Jobs().size() && shown.state == TaskbarState::Running; ++job) {
    // A state kept from an earlier run has no end in this one.
    const JobStatus& status = watch.Status(job);
    if (status.state == JobState::Failed && status.endMs >= 0) shown.state = TaskbarState::Failed;
  }
  return shown;
}

}  // namespace qv
