#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_platform.h"
#include "platform/win32_test_folder.h"

namespace qv::platform {
namespace {

const std::string kFixture = "win32_process_fixture.exe";

// Waits for a file that a child writes; the generous limit only keeps a
// broken child from hanging the run.
bool AwaitFile(const std::string& path) {
  for (int i = 0; i < 3000; ++i) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    Sleep(10);
  }
  return false;
}

// Runs `use` on the process opened with `access`; `gone` when it cannot be opened.
template <typename T, typename Use>
T OnProcess(std::uint32_t processId, DWORD access, T gone, Use use) {
  const HANDLE process = OpenProcess(access, FALSE, processId);
  if (process == nullptr) return gone;
  const T result = use(process);
  CloseHandle(process);
  return result;
}
DWORD PriorityClassOf(std::uint32_t id) {
  return OnProcess(id, PROCESS_QUERY_INFORMATION, DWORD{0}, [](HANDLE p) { return GetPriorityClass(p); });
}
void End(std::uint32_t id) {
  OnProcess(id, PROCESS_TERMINATE | SYNCHRONIZE, true,
            [](HANDLE p) { return TerminateProcess(p, 0) && WaitForSingleObject(p, 5000) == WAIT_OBJECT_0; });
}

class Win32ProcessesTest : public testing::Test {
 protected:
  std::string Fixture() const { return "\"" + ProgramFolder() + kFixture + "\""; }

  Win32TestFolder folder_;
  Win32Processes processes_;
};

TEST_F(Win32ProcessesTest, StartsInTheWorkingFolderAtNormalPriorityWithAConsoleAndLowersItToIdle) {
  const auto child = processes_.Start(Fixture() + " 30000", folder_.Root());
  ASSERT_TRUE(child.has_value());
  ASSERT_TRUE(AwaitFile(folder_.Path("report.txt")));
  EXPECT_EQ(folder_.Get("report.txt"), folder_.Root() + "\n" + std::to_string(NORMAL_PRIORITY_CLASS) + "\n1");
  EXPECT_EQ(PriorityClassOf(*child), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
  EXPECT_TRUE(processes_.SetIdlePriorityClass(*child));
  EXPECT_EQ(PriorityClassOf(*child), static_cast<DWORD>(IDLE_PRIORITY_CLASS));
  End(*child);
  // Process id 0 is the system's own and never opens for setting information.
  EXPECT_FALSE(processes_.SetIdlePriorityClass(0));
}

TEST_F(Win32ProcessesTest, StartsABatchFileQuotedAsTheProgramDoesAndNothingThatIsMissing) {
  folder_.Put("temp.bat", "@echo %CD%> where.tmp\r\n@ren where.tmp where.txt\r\ndel temp.bat");
  const auto batch = processes_.Start("\"" + folder_.Path("temp.bat") + "\"", folder_.Root());
  ASSERT_TRUE(batch.has_value());
  ASSERT_TRUE(AwaitFile(folder_.Path("where.txt")));
  EXPECT_EQ(folder_.Get("where.txt"), folder_.Root() + "\r\n");
  End(*batch);

  EXPECT_EQ(processes_.Start("qv_no_such_program.exe", folder_.Root()), std::nullopt);
  EXPECT_EQ(processes_.Start(Fixture(), folder_.Path("missing")), std::nullopt);
}

}  // namespace
}  // namespace qv::platform
