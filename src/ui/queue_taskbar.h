#pragma once
// What the taskbar button shows of the queue that the window watches: the
// share of it done, in the colour of its state.

#include "ui/queue_run.h"

namespace qv {

enum class TaskbarState { None, Running, Paused, Failed };

struct TaskbarProgress {
  TaskbarState state = TaskbarState::None;
  double fraction = 0;  // 0 to 1
};

// None once the queue has ended; Failed once a job of this run failed (one
// that failed in an earlier run runs again), Paused while paused.
TaskbarProgress QueueTaskbar(const QueueRun& run);

}  // namespace qv
