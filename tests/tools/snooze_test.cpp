#include <windows.h>

#include <gtest/gtest.h>

#include "built_tools.h"
#include "tools/support/child_process.h"
#include "tools/support/test_files.h"

namespace qv::testing {
namespace {

std::string Snooze(const std::string& argument) { return "\"" + WindowsPath(built::kSnooze) + "\" " + argument; }

TEST(Snooze, WaitsAtLeastTheGivenTime) {
  const ULONGLONG start = GetTickCount64();
  const auto run = RunProgram(Snooze("700"));
  ASSERT_TRUE(run);
  EXPECT_EQ(run->exitCode, 0);
  EXPECT_GE(GetTickCount64() - start, 700u);
}

TEST(Snooze, RejectsWhatIsNotAWholeNumberOfMilliseconds) {
  for (const char* argument : {"", "1.5", "-5", "soon", "4294967295", "100 200"}) {
    const auto run = RunProgram(Snooze(argument));
    ASSERT_TRUE(run) << argument;
    EXPECT_EQ(run->exitCode, 1) << argument;
    EXPECT_NE(run->errors.find("usage: snooze.exe MILLISECONDS"), std::string::npos) << argument;
  }
}

}  // namespace
}  // namespace qv::testing
