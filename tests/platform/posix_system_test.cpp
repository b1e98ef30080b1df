#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/posix/posix_platform.h"

namespace qv::platform {
namespace {

TEST(PosixProcesses, IdlePriorityLowersTheGivenProcessOnly) {
  const int before = getpriority(PRIO_PROCESS, 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    pause();
    _exit(0);
  }
  PosixProcesses processes;
  EXPECT_TRUE(processes.SetIdlePriorityClass(static_cast<std::uint32_t>(child)));
  errno = 0;
  EXPECT_EQ(getpriority(PRIO_PROCESS, static_cast<id_t>(child)), 19);
  EXPECT_EQ(getpriority(PRIO_PROCESS, 0), before);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);

  // Id 0 would be this program itself; a process that is gone cannot be changed.
  EXPECT_FALSE(processes.SetIdlePriorityClass(0));
  EXPECT_FALSE(processes.SetIdlePriorityClass(static_cast<std::uint32_t>(child)));
  EXPECT_EQ(getpriority(PRIO_PROCESS, 0), before);
}

}  // namespace
}  // namespace qv::platform
