#include <gtest/gtest.h>

#include "envprep/search_path.h"

namespace qv::tools {
namespace {

using Folders = std::vector<std::string>;

// The program folder and its tools come first, then the list; folders that
// cannot stand in PATH are left out with a warning.
TEST(ToolFolders, ProgramFolderAndToolsComeFirstThenTheList) {
  const struct {
    const char* list;
    Folders expected;
    const char* warned;  // "" when nothing is left out
  } cases[] = {
      {"# where the encoders live\r\nD:\\x264\r\n\r\n   \"C:\\Program Files\\Nero\"  \r\nmuxers\\mkv\r\n"
       "\\\\server\\share\\tools\r\n/mp4\n  # indented comment\nE:\\last",
       {"C:\\Q\\", "C:\\Q\\tools", "D:\\x264", "C:\\Program Files\\Nero", "C:\\Q\\muxers\\mkv",
        "\\\\server\\share\\tools", "/mp4", "E:\\last"},
       ""},
      {"D:\\a;b\r\nD:\\ok\r\n\"\"\r\n", {"C:\\Q\\", "C:\\Q\\tools", "D:\\ok"}, "D:\\a;b"},
  };
  for (const auto& c : cases) {
    const auto tools = CollectToolFolders("C:\\Q\\", c.list);
    EXPECT_EQ(tools.folders, c.expected) << c.list;
    ASSERT_EQ(tools.warnings.size(), *c.warned ? 1u : 0u) << c.list;
    if (*c.warned) {
      EXPECT_NE(tools.warnings[0].find(c.warned), std::string::npos) << tools.warnings[0];
    }
  }
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

}  // namespace
}  // namespace qv::tools
