#include <gtest/gtest.h>

#include "built_tools.h"
#include "envprep/search_path.h"
#include "tools/support/child_process.h"
#include "tools/support/test_files.h"

namespace qv::tools {
namespace {

using Folders = std::vector<std::string>;

TEST(ToolFolders, ProgramFolderAndToolsComeFirstThenTheList) {
  const auto tools = CollectToolFolders(
      "C:\\Q\\",
      "# where the encoders live\r\n"
      "D:\\x264\r\n"
      "\r\n"
      "   \"C:\\Program Files\\Nero\"  \r\n"
      "muxers\\mkv\r\n"
      "\\\\server\\share\\tools\r\n"
      "/mp4\n"
      "  # indented comment\n"
      "E:\\last");
  EXPECT_EQ(tools.folders, (Folders{"C:\\Q\\", "C:\\Q\\tools", "D:\\x264", "C:\\Program Files\\Nero",
                                    "C:\\Q\\muxers\\mkv", "\\\\server\\share\\tools", "/mp4", "E:\\last"}));
  EXPECT_TRUE(tools.warnings.empty());
}

TEST(ToolFolders, LeavesOutFoldersThatCannotStandInPath) {
  const auto tools = CollectToolFolders("C:\\Q\\", "D:\\a;b\r\nD:\\ok\r\n\"\"\r\n");
  EXPECT_EQ(tools.folders, (Folders{"C:\\Q\\", "C:\\Q\\tools", "D:\\ok"}));
  ASSERT_EQ(tools.warnings.size(), 1u);
  EXPECT_NE(tools.warnings[0].find("D:\\a;b"), std::string::npos);
}

TEST(SearchPath, PutsToolFoldersFirstAndDropsTheirEarlierPlaces) {
  const struct {
    Folders front;
    const char* current;
    const char* expected;
  } cases[] = {
      {{"C:\\Q\\", "C:\\Q\\tools"}, "C:\\Windows;C:\\Windows\\System32", "C:\\Q\\;C:\\Q\\tools;C:\\Windows;C:\\Windows\\System32"},
      // A second batch in a row: PATH does not grow.
      {{"C:\\Q\\", "C:\\Q\\tools"}, "C:\\Q\\;C:\\Q\\tools;C:\\Windows", "C:\\Q\\;C:\\Q\\tools;C:\\Windows"},
      {{"C:\\Q\\", "D:\\x264"}, "c:\\q;\"D:\\X264\\\";C:\\Windows", "C:\\Q\\;D:\\x264;C:\\Windows"},
      {{"C:\\Q\\"}, ";;C:\\Windows;;", "C:\\Q\\;C:\\Windows"},
      {{"C:\\Q\\"}, "", "C:\\Q\\"},
      // A quoted entry keeps its ';'.
      {{"C:\\Q\\"}, "\"D:\\a;b\";C:\\Windows", "C:\\Q\\;\"D:\\a;b\";C:\\Windows"},
  };
  for (const auto& c : cases) EXPECT_EQ(ComposeSearchPath(c.front, c.current), c.expected) << c.current;
}

TEST(SearchPath, SetLineKeepsEveryCharacterLiteral) {
  EXPECT_EQ(SetPathLine("C:\\Q\\;D:\\50% & ^x (1)\\|<>\""),
            "@set PATH=C:\\Q\\;D:\\50%% ^& ^^x ^(1^)\\^|^<^>^\"\r\n");
}

TEST(SearchPath, TooLongForOneLineFallsBackToPrepending) {
  const Folders front{"C:\\Q 100%\\", "C:\\Q 100%\\tools"};
  const std::string longPath(kLongestBatchLine, 'x');
  EXPECT_EQ(EnvprepBatchText(front, longPath), "@set \"PATH=C:\\Q 100%%\\;C:\\Q 100%%\\tools;%PATH%\"\r\n");
  EXPECT_EQ(EnvprepBatchText(front, "C:\\W"), "@set PATH=C:\\Q 100%%\\;C:\\Q 100%%\\tools;C:\\W\r\n");
}

// The real round trip: envprep.exe in a folder with every troublesome
// character, its batch called by cmd.exe, and the PATH that results.
TEST(EnvprepProgram, BatchPutsTheToolFoldersInFrontOfPath) {
  using namespace qv::testing;
  ScratchFolder scratch("env");
  const std::string program = scratch.path() + "prog 50% & ^x (1)\\";
  const std::string extra = scratch.path() + "x264 100% & ^y";
  ASSERT_TRUE(MakeFolder(program));
  ASSERT_TRUE(CopyInto(WindowsPath(built::kEnvprep), program));
  ASSERT_TRUE(WriteBytes(program + "envprep.txt", "# encoders\r\n\"" + extra + "\"\r\nmuxers\r\n"));
  ASSERT_TRUE(WriteBytes(scratch.path() + "show.bat",
                         "@envprep.exe run\r\n@call envprep.bat\r\n@set PATH>path.txt\r\n"));

  const auto run = RunProgram("cmd.exe /c \"\"" + scratch.path() + "show.bat\"\"", {}, program);
  ASSERT_TRUE(run);
  const auto shown = ReadBytes(program + "path.txt");
  ASSERT_TRUE(shown) << run->output << run->errors;
  const std::string expectedStart =
      "PATH=" + program + ";" + program + "tools;" + extra + ";" + program + "muxers;";
  EXPECT_EQ(shown->substr(0, expectedStart.size()), expectedStart) << *shown;
}

TEST(EnvprepProgram, RefusesAnythingButRun) {
  using namespace qv::testing;
  ScratchFolder scratch("env args");
  const auto run = RunProgram("\"" + WindowsPath(built::kEnvprep) + "\" go", {}, scratch.path());
  ASSERT_TRUE(run);
  EXPECT_EQ(run->exitCode, 1);
  EXPECT_NE(run->errors.find("usage: envprep.exe run"), std::string::npos);
  EXPECT_FALSE(Exists(scratch.path() + "envprep.bat"));
}

}  // namespace
}  // namespace qv::tools
