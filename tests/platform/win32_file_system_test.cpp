#include <windows.h>
#undef DeleteFile

#include <gtest/gtest.h>

#include "platform/win32/win32_platform.h"
#include "platform/win32_test_folder.h"

namespace qv::platform {
namespace {

using Names = std::vector<std::string>;

class Win32FileSystemTest : public testing::Test {
 protected:
  Win32TestFolder folder_;
  Win32FileSystem files_;
};

TEST_F(Win32FileSystemTest, WriteReplacesTheFileWholeAndLeavesNoTemporary) {
  const std::string bytes("a = 1\r\nb\0c\r\n\xff", 13);
  folder_.Put("a.ini", std::string(5000, 'x'));
  ASSERT_TRUE(files_.WriteFile(folder_.Path("a.ini"), bytes));
  EXPECT_EQ(folder_.Get("a.ini"), bytes);
  EXPECT_EQ(files_.ReadFile(folder_.Path("a.ini")), bytes);
  EXPECT_EQ(folder_.Names(), Names{"a.ini"});
}

TEST_F(Win32FileSystemTest, WriteOfNothingLeavesAnEmptyFile) {
  folder_.Put("a.bat", "old");
  ASSERT_TRUE(files_.WriteFile(folder_.Path("a.bat"), ""));
  EXPECT_EQ(files_.ReadFile(folder_.Path("a.bat")), "");
}

TEST_F(Win32FileSystemTest, FailedWriteKeepsTheEarlierFileAndLeavesNoTemporary) {
  folder_.Put("locked.ini", "old");
  SetFileAttributesA(folder_.Path("locked.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  folder_.MakeFolder("folder.ini");

  EXPECT_FALSE(files_.WriteFile(folder_.Path("locked.ini"), "new"));
  EXPECT_FALSE(files_.WriteFile(folder_.Path("folder.ini"), "new"));
  EXPECT_FALSE(files_.WriteFile(folder_.Path("missing\\a.ini"), "new"));

  EXPECT_EQ(folder_.Get("locked.ini"), "old");
  EXPECT_EQ(folder_.Names(), (Names{"folder.ini", "locked.ini"}));
  EXPECT_EQ(folder_.Names("folder.ini"), Names{});
}

TEST_F(Win32FileSystemTest, ReadGivesNothingForWhatIsNoReadableFile) {
  folder_.MakeFolder("sub");
  EXPECT_EQ(files_.ReadFile(folder_.Path("missing.ini")), std::nullopt);
  EXPECT_EQ(files_.ReadFile(folder_.Path("sub")), std::nullopt);
}

TEST_F(Win32FileSystemTest, ReadsAFileLargerThanOneChunk) {
  std::string bytes(200000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  folder_.Put("big.bin", bytes);
  EXPECT_EQ(files_.ReadFile(folder_.Path("big.bin")), bytes);
}

TEST_F(Win32FileSystemTest, FileExistsOnlyForFiles) {
  folder_.Put("a.ini", "x");
  folder_.MakeFolder("sub");
  EXPECT_TRUE(files_.FileExists(folder_.Path("a.ini")));
  EXPECT_TRUE(files_.FileExists(folder_.Path("A.INI")));
  EXPECT_FALSE(files_.FileExists(folder_.Path("sub")));
  EXPECT_FALSE(files_.FileExists(folder_.Path("b.ini")));
}

TEST_F(Win32FileSystemTest, DeleteRemovesAFileAndFailsWithoutOne) {
  folder_.Put("temp.bat", "x");
  EXPECT_TRUE(files_.DeleteFile(folder_.Path("temp.bat")));
  EXPECT_FALSE(files_.DeleteFile(folder_.Path("temp.bat")));
  EXPECT_EQ(folder_.Names(), Names{});
}

TEST_F(Win32FileSystemTest, CreateFolderIsTrueWhenTheFolderExistsAfterwards) {
  folder_.Put("file", "x");
  struct Case {
    std::string relative;
    bool exists;
  };
  const Case cases[] = {
      {"avs", true},           // new
      {"avs", true},           // already there
      {"a\\b", false},         // parent missing
      {"file", false},         // a file of that name
  };
  for (const Case& c : cases) {
    EXPECT_EQ(files_.CreateFolder(folder_.Path(c.relative)), c.exists) << c.relative;
  }
  EXPECT_EQ(folder_.Names(), (Names{"avs", "file"}));
}

TEST_F(Win32FileSystemTest, ListFolderMatchesWildcardsIgnoringCaseAndFlagsFolders) {
  folder_.Put("a.ini", "");
  folder_.Put("B.INI", "");
  folder_.Put("c.txt", "");
  folder_.Put("noext", "");
  folder_.MakeFolder("d.ini");
  folder_.MakeFolder("sub");

  struct Case {
    std::string pattern;
    std::vector<FolderEntry> expected;  // sorted by name
  };
  const Case cases[] = {
      {"*.ini", {{"B.INI", false}, {"a.ini", false}, {"d.ini", true}}},
      {"*.INI", {{"B.INI", false}, {"a.ini", false}, {"d.ini", true}}},
      {"?.txt", {{"c.txt", false}}},
      {"*", {{"B.INI", false}, {"a.ini", false}, {"c.txt", false}, {"d.ini", true}, {"noext", false}, {"sub", true}}},
      {"*.avs", {}},
  };
  for (const Case& c : cases) {
    const auto listed = files_.ListFolder(folder_.Root(), c.pattern);
    ASSERT_TRUE(listed.has_value()) << c.pattern;
    std::vector<FolderEntry> entries = *listed;
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    ASSERT_EQ(entries.size(), c.expected.size()) << c.pattern;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      EXPECT_EQ(entries[i].name, c.expected[i].name) << c.pattern;
      EXPECT_EQ(entries[i].isFolder, c.expected[i].isFolder) << c.pattern << " " << entries[i].name;
    }
  }
}

TEST_F(Win32FileSystemTest, ListFolderTakesATrailingSeparatorAndFailsOnAMissingFolder) {
  folder_.MakeFolder("configs");
  folder_.Put("configs\\x.ini", "");
  const auto withSeparator = files_.ListFolder(folder_.Path("configs\\"), "*.ini");
  ASSERT_TRUE(withSeparator.has_value());
  ASSERT_EQ(withSeparator->size(), 1u);
  EXPECT_EQ(withSeparator->front().name, "x.ini");

  EXPECT_EQ(files_.ListFolder(folder_.Path("missing"), "*.ini"), std::nullopt);
  EXPECT_EQ(files_.ListFolder(folder_.Path("configs\\x.ini"), "*"), std::nullopt);
}

TEST(Win32ProgramFolderTest, IsTheFolderOfTheRunningProgramWithItsBackslash) {
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  EXPECT_EQ(folder + std::string(program).substr(folder.size()), program);
  EXPECT_EQ(std::string(program).find('\\', folder.size()), std::string::npos);
}

}  // namespace
}  // namespace qv::platform
