#include <windows.h>

#include <gtest/gtest.h>

#include "built_tools.h"
#include "tools/support/child_process.h"
#include "tools/support/test_files.h"

namespace qv::testing {
namespace {

std::string Teelog(const std::string& logArgument) {
  return "\"" + WindowsPath(built::kTeelog) + "\" " + logArgument;
}

// The log is written right after the console, so it may lag a moment.
std::string LogOnceItHolds(const std::string& log, std::size_t size) {
  std::string bytes;
  for (int i = 0; i < 100 && bytes.size() < size; ++i) {
    if (i > 0) Sleep(50);
    bytes = ReadBytes(log).value_or("");
  }
  return bytes;
}

TEST(Teelog, PassesInputThroughAndReplacesTheLog) {
  ScratchFolder folder("log 10% & ^x");
  const std::string log = folder.path() + "clip.avs.txt";
  ASSERT_TRUE(WriteBytes(log, std::string(10000, 'o')));  // a longer earlier log
  std::string encoderOutput = "x264 [info]: profile High\r\n";
  for (int i = 1; i <= 400; ++i) encoderOutput += "[" + std::to_string(i / 4) + ".0%] " + std::to_string(i) + "/400\r";
  encoderOutput += std::string("\0binary\xff", 8) + "\r\nencoded 400 frames\r\n";

  const auto run = RunProgram(Teelog("\"" + log + "\""), encoderOutput);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->exitCode, 0);
  EXPECT_EQ(run->output, encoderOutput);
  EXPECT_EQ(run->errors, "");
  EXPECT_EQ(ReadBytes(log), encoderOutput);
}

TEST(Teelog, ShowsProgressBeforeTheInputEnds) {
  ScratchFolder folder("live");
  const std::string log = folder.path() + "live.txt";
  auto child = ChildProcess::Start(Teelog("\"" + log + "\""));
  ASSERT_TRUE(child);
  const std::string progress = "[12.5%] 50/400 frames\r";
  ASSERT_TRUE(child->Write(progress));
  // The input is still open: a buffering tee would hold this back.
  EXPECT_EQ(child->OutputOnceAtLeast(progress.size(), 10000), progress);
  EXPECT_EQ(LogOnceItHolds(log, progress.size()), progress);
  ASSERT_TRUE(child->Write("done\n"));
  child->CloseInput();
  EXPECT_EQ(child->Wait(10000), 0);
  EXPECT_EQ(child->Output(), progress + "done\n");
}

TEST(Teelog, WithoutAUsableLogStillPassesEverythingThrough) {
  ScratchFolder folder("nolog");
  const struct {
    const char* name;
    std::string argument;
    int exitCode;
    const char* message;
  } cases[] = {
      {"empty path", "\"\"", 0, "teelog: no log file named; no log is kept\r\n"},
      {"missing folder", "\"" + folder.path() + "absent\\x.txt\"", 1, "no log is kept\r\n"},
      {"a folder as log", "\"" + folder.path() + "\"", 1, "no log is kept\r\n"},
      {"no argument", "", 1, "teelog: usage: teelog.exe LOGFILE; no log is kept\r\n"},
  };
  const std::string output(20000, 'p');
  for (const auto& c : cases) {
    const auto run = RunProgram(Teelog(c.argument), output);
    ASSERT_TRUE(run) << c.name;
    EXPECT_EQ(run->output, output) << c.name;
    EXPECT_EQ(run->exitCode, c.exitCode) << c.name;
    // Said once, however much output follows.
    const std::string message = c.message;
    EXPECT_EQ(run->errors.substr(run->errors.size() - std::min(run->errors.size(), message.size())), message)
        << c.name;
    EXPECT_EQ(run->errors.find("\r\n"), run->errors.size() - 2) << c.name << ": " << run->errors;
  }
}

}  // namespace
}  // namespace qv::testing
