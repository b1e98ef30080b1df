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

TEST_F(Win32FileSystemTest, WriteReplacesWholeOrKeepsTheEarlierFileAndNeverLeavesATemporary) {
  const std::string bytes("a = 1\r\nb\0c\r\n\xff", 13);
  folder_.Put("a.ini", std::string(5000, 'x'));
  ASSERT_TRUE(files_.WriteFile(folder_.Path("a.ini"), bytes));
  EXPECT_EQ(folder_.Get("a.ini"), bytes);
  EXPECT_EQ(files_.ReadFile(folder_.Path("a.ini"), SIZE_MAX).bytes, bytes);
  ASSERT_TRUE(files_.WriteFile(folder_.Path("a.bat"), ""));
  EXPECT_EQ(files_.ReadFile(folder_.Path("a.bat"), SIZE_MAX).bytes, "");

  folder_.Put("locked.ini", "old");
  SetFileAttributesA(folder_.Path("locked.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  folder_.MakeFolder("folder.ini");
  for (const char* refused : {"locked.ini", "folder.ini", "missing\\a.ini"}) {
    EXPECT_FALSE(files_.WriteFile(folder_.Path(refused), "new")) << refused;
  }
  EXPECT_EQ(folder_.Get("locked.ini"), "old");
  EXPECT_EQ(folder_.Names(), (Names{"a.bat", "a.ini", "folder.ini", "locked.ini"}));
  EXPECT_EQ(folder_.Names("folder.ini"), Names{});
}

TEST_F(Win32FileSystemTest, ReadExistsDeleteAndCreateFolderTellFilesFromFolders) {
  folder_.Put("a.ini", "x");
  folder_.MakeFolder("sub");
  struct Case {
    const char* name;
    bool readable, exists, deleted, folderMade;
  };
  const Case cases[] = {{"A.INI", true, true, true, false},  // names ignore case
                        {"sub", false, false, false, true},  // an existing folder counts as made
                        {"b.ini", false, false, false, true},
                        {"x\\y", false, false, false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ((files_.ReadFile(folder_.Path(c.name), SIZE_MAX).status == ReadStatus::Read), c.readable) << c.name;
    EXPECT_EQ(files_.FileExists(folder_.Path(c.name)), c.exists) << c.name;
    EXPECT_EQ(files_.DeleteFile(folder_.Path(c.name)), c.deleted) << c.name;
  }
  EXPECT_EQ(folder_.Names(), Names{"sub"});
  folder_.Put("A.INI", "x");
  for (const Case& c : cases) EXPECT_EQ(files_.CreateFolder(folder_.Path(c.name)), c.folderMade) << c.name;
  EXPECT_EQ(folder_.Names(), (Names{"A.INI", "b.ini", "sub"}));

  std::string big(200000, '\0');  // more than one read
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  folder_.Put("big.bin", big);
  EXPECT_EQ(files_.ReadFile(folder_.Path("big.bin"), SIZE_MAX).bytes, big);
}

TEST_F(Win32FileSystemTest, ListFolderMatchesWildcardsIgnoringCaseAndFlagsFolders) {
  for (const char* name : {"a.ini", "B.INI", "c.txt", "noext"}) folder_.Put(name, "");
  folder_.MakeFolder("d.ini");
  folder_.MakeFolder("sub");
  struct Case {
    std::string folder, pattern;
    std::vector<FolderEntry> expected;  // sorted by name
  };
  const std::string root = folder_.Root();
  const Case cases[] = {
      {root, "*.ini", {{"B.INI", false}, {"a.ini", false}, {"d.ini", true}}},
      {root, "*.INI", {{"B.INI", false}, {"a.ini", false}, {"d.ini", true}}},
      {root, "?.txt", {{"c.txt", false}}},
      {root, "*",
       {{"B.INI", false}, {"a.ini", false}, {"c.txt", false}, {"d.ini", true}, {"noext", false}, {"sub", true}}},
      {root, "*.avs", {}},
      {root + "\\", "*.ini", {{"B.INI", false}, {"a.ini", false}, {"d.ini", true}}},
  };
  for (const Case& c : cases) {
    const auto listed = files_.ListFolder(c.folder, c.pattern);
    ASSERT_TRUE(listed.has_value()) << c.folder << " " << c.pattern;
    std::vector<std::pair<std::string, bool>> got, expected;
    for (const FolderEntry& entry : *listed) got.emplace_back(entry.name, entry.isFolder);
    for (const FolderEntry& entry : c.expected) expected.emplace_back(entry.name, entry.isFolder);
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, expected) << c.folder << " " << c.pattern;
  }
  EXPECT_EQ(files_.ListFolder(folder_.Path("missing"), "*.ini"), std::nullopt);
  EXPECT_EQ(files_.ListFolder(folder_.Path("a.ini"), "*"), std::nullopt);
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
