// The helper programs started as the batches start them, in folders whose
// names cmd.exe would trip over.
#include <windows.h>

#include <gtest/gtest.h>

#include "built_tools.h"
#include "tools/support/child_process.h"
#include "tools/support/test_files.h"

namespace qv::testing {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
std::string Command(const char* built, const std::string& arguments) {
  return Quoted(WindowsPath(built)) + " " + arguments;
}
bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ToolPrograms, RefuseArgumentsTheyCannotUseWithTheirUsage) {
  ScratchFolder folder("args");
  const struct {
    const char* program;
    const char* arguments;
    const char* usage;
  } cases[] = {
      {built::kEnvprep, "go", "usage: envprep.exe run"},
      {built::kMensura, " 110 \"x.mp4\"", "usage: mensura.exe MIN MAX FILE"},
      {built::kSnooze, "", "usage: snooze.exe MILLISECONDS"},
      {built::kSnooze, "1.5", "usage: snooze.exe MILLISECONDS"},
      {built::kSnooze, "-5", "usage: snooze.exe MILLISECONDS"},
      {built::kSnooze, "soon", "usage: snooze.exe MILLISECONDS"},
      {built::kSnooze, "4294967295", "usage: snooze.exe MILLISECONDS"},
      {built::kSnooze, "100 200", "usage: snooze.exe MILLISECONDS"},
  };
  for (const auto& c : cases) {
    const auto run = RunProgram(Command(c.program, c.arguments), {}, folder.path());
    ASSERT_TRUE(run) << c.usage << " " << c.arguments;
    EXPECT_EQ(run->exitCode, 1) << c.usage << " " << c.arguments;
    EXPECT_TRUE(Holds(run->errors, c.usage)) << c.arguments << ": " << run->errors;
  }
  EXPECT_FALSE(Exists(folder.path() + "envprep.bat"));
}

TEST(Snooze, WaitsAtLeastTheGivenTime) {
  const ULONGLONG start = GetTickCount64();
  const auto run = RunProgram(Command(built::kSnooze, "700"));
  ASSERT_TRUE(run);
  EXPECT_EQ(run->exitCode, 0);
  EXPECT_GE(GetTickCount64() - start, 700u);
}

// Exit codes at the bounds for a real file; a missing file is outside.
TEST(Mensura, ExitCodeFollowsTheFileSize) {
  ScratchFolder folder("sizes 50% & ^x");
  const std::string file = folder.path() + "clip 1.mp4";
  constexpr std::uint64_t kMB = 1048576;
  const struct {
    std::uint64_t bytes;  // 0: no file
    const char* bounds;
    int exitCode;
    std::string said;
  } cases[] = {
      {3 * kMB, "2 3", 0, "3145728 bytes"},
      {3 * kMB + 1, "2 3", 1, "3145729 bytes"},
      {kMB / 2, "0.5 0.5", 0, "524288 bytes"},
      {0, "0 100", 1, "not found"},
  };
  for (const auto& c : cases) {
    DeleteFileA(file.c_str());
    if (c.bytes) {
      ASSERT_TRUE(WriteSizedFile(file, c.bytes));
    }
    const auto run = RunProgram(Command(built::kMensura, std::string(c.bounds) + " " + Quoted(file)));
    ASSERT_TRUE(run);
    EXPECT_EQ(run->exitCode, c.exitCode) << c.bytes << " bytes in " << c.bounds << ": " << run->output;
    EXPECT_TRUE(Holds(run->output, c.said)) << run->output;
  }
}

// The real round trip: envprep.exe in a folder with every troublesome
// character, its batch called by cmd.exe, and the PATH that results.
TEST(Envprep, BatchPutsTheToolFoldersInFrontOfPath) {
  ScratchFolder scratch("env");
  const std::string program = scratch.path() + "prog 50% & ^x (1)\\";
  const std::string extra = scratch.path() + "x264 100% & ^y";
  ASSERT_TRUE(MakeFolder(program));
  ASSERT_TRUE(CopyInto(WindowsPath(built::kEnvprep), program));
  ASSERT_TRUE(WriteBytes(program + "envprep.txt", "# encoders\r\n\"" + extra + "\"\r\nmuxers\r\n"));
  ASSERT_TRUE(WriteBytes(scratch.path() + "show.bat",
                         "@envprep.exe run\r\n@call envprep.bat\r\n@set PATH>path.txt\r\n"));
  const auto run = RunProgram("cmd.exe /c " + Quoted(Quoted(scratch.path() + "show.bat")), {}, program);
  ASSERT_TRUE(run);
  const auto shown = ReadBytes(program + "path.txt");
  ASSERT_TRUE(shown) << run->output << run->errors;
  const std::string expectedStart =
      "PATH=" + program + ";" + program + "tools;" + extra + ";" + program + "muxers;";
  EXPECT_EQ(shown->substr(0, expectedStart.size()), expectedStart) << *shown;
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

  const auto run = RunProgram(Command(built::kTeelog, Quoted(log)), encoderOutput);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->exitCode, 0);
  EXPECT_EQ(run->output, encoderOutput);
  EXPECT_EQ(run->errors, "");
  EXPECT_EQ(ReadBytes(log), encoderOutput);
}

TEST(Teelog, ShowsProgressBeforeTheInputEnds) {
  ScratchFolder folder("live");
  const std::string log = folder.path() + "live.txt";
  auto child = ChildProcess::Start(Command(built::kTeelog, Quoted(log)));
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
    std::string message;
  } cases[] = {
      {"empty path", "\"\"", 0, "teelog: no log file named; no log is kept\r\n"},
      {"missing folder", Quoted(folder.path() + "absent\\x.txt"), 1, "no log is kept\r\n"},
      {"a folder as log", Quoted(folder.path()), 1, "no log is kept\r\n"},
      {"no argument", "", 1, "teelog: usage: teelog.exe LOGFILE; no log is kept\r\n"},
  };
  const std::string output(20000, 'p');
  for (const auto& c : cases) {
    const auto run = RunProgram(Command(built::kTeelog, c.argument), output);
    ASSERT_TRUE(run) << c.name;
    EXPECT_EQ(run->output, output) << c.name;
    EXPECT_EQ(run->exitCode, c.exitCode) << c.name;
    // Said once, however much output follows.
    const auto& errors = run->errors;
    EXPECT_EQ(errors.substr(errors.size() - std::min(errors.size(), c.message.size())), c.message) << c.name;
    EXPECT_EQ(errors.find("\r\n"), errors.size() - 2) << c.name << ": " << errors;
  }
}

}  // namespace
}  // namespace qv::testing
