#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/posix/posix_platform.h"
#include "text/wildcard_match.h"

namespace qv::platform {
namespace {

namespace fs = std::filesystem;

class PosixFileSystemTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "qv-posix-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(root_ / "ro.ini", fs::perms::owner_all, ignored);
    fs::remove_all(root_, ignored);
  }
  // The path as the core would build it: Windows separators below the root.
  std::string Windows(const std::string& relative) const { return root_.string() + "\\" + relative; }
  void Put(const std::string& relative, const std::string& bytes) const {
    fs::create_directories((root_ / relative).parent_path());
    std::ofstream(root_ / relative, std::ios::binary) << bytes;
  }
  std::string Get(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(root_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path root_;
  PosixFileSystem files_;
};

TEST_F(PosixFileSystemTest, WriteReplacesWholeOrLeavesTheEarlierStateAndNeverATemporary) {
  const std::string bytes("a = 1\r\nb\0c", 10);
  Put("configs/a.ini", std::string(1000, 'x'));
  ASSERT_TRUE(files_.WriteFile(Windows("configs\\a.ini"), bytes));  // through Windows separators
  EXPECT_EQ(Get("configs/a.ini"), bytes);
  EXPECT_EQ(files_.ReadFile(Windows("configs\\a.ini"), 10).bytes, bytes);
  EXPECT_EQ(files_.ReadFile(Windows("configs\\a.ini"), 9).status, ReadStatus::TooLarge);

  Put("ro.ini", "old");
  fs::permissions(root_ / "ro.ini", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_directory(root_ / "folder.ini");
  for (const char* refused : {"ro.ini", "folder.ini", "missing\\x.ini"}) {
    EXPECT_FALSE(files_.WriteFile(Windows(refused), "new")) << refused;
  }
  EXPECT_EQ(Get("ro.ini"), "old");
  EXPECT_EQ(Names(), (std::vector<std::string>{"configs", "folder.ini", "ro.ini"}));
  EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "configs"), fs::directory_iterator()), 1);
}

TEST_F(PosixFileSystemTest, ReadExistsDeleteAndCreateFolderTellFilesFromFolders) {
  Put("f.txt", "");
  fs::create_directory(root_ / "d");
  struct Case {
    const char* name;
    bool readable, exists, deleted, folderMade;
  };
  const Case cases[] = {{"f.txt", true, true, true, false},
                        {"d", false, false, false, true},  // an existing folder counts as made
                        {"none", false, false, false, true},
                        {"no\\parent", false, false, false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(files_.ReadFile(Windows(c.name), 1).status == ReadStatus::Read, c.readable) << c.name;
    EXPECT_EQ(files_.FileExists(Windows(c.name)), c.exists) << c.name;
    EXPECT_EQ(files_.DeleteFile(Windows(c.name)), c.deleted) << c.name;
  }
  EXPECT_FALSE(fs::exists(root_ / "f.txt"));
  Put("f.txt", "x");
  for (const Case& c : cases) EXPECT_EQ(files_.CreateFolder(Windows(c.name)), c.folderMade) << c.name;
  EXPECT_TRUE(fs::is_directory(root_ / "none"));
  Put("empty", "");
  EXPECT_EQ(files_.ReadFile(Windows("empty"), 0).status, ReadStatus::Read);  // empty, not missing
}

// Which names match is WildcardMatch's part, tested below.
TEST_F(PosixFileSystemTest, ListFolderMarksFoldersAndFailsWithoutAMatch) {
  Put("configs/a.ini", "");
  Put("configs/x.txt", "");
  fs::create_directory(root_ / "configs" / "dir.ini");
  for (const char* folder : {"configs", "configs\\"}) {
    auto listed = files_.ListFolder(Windows(folder), "*.INI");
    ASSERT_TRUE(listed.has_value()) << folder;
    std::vector<std::pair<std::string, bool>> got;
    for (const FolderEntry& entry : *listed) got.emplace_back(entry.name, entry.isFolder);
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (std::vector<std::pair<std::string, bool>>{{"a.ini", false}, {"dir.ini", true}})) << folder;
  }
  EXPECT_EQ(files_.ListFolder(Windows("configs"), "*")->size(), 3u);  // never "." or ".."
  EXPECT_FALSE(files_.ListFolder(Windows("configs"), "*.avs").has_value());
  EXPECT_FALSE(files_.ListFolder(Windows("missing"), "*").has_value());
}

TEST(WildcardMatch, StarAndQuestionMarkIgnoringCase) {
  struct Case {
    const char* pattern;
    const char* name;
    bool matches;
  };
  const Case cases[] = {
      {"*.ini", "a.ini", true},   {"*.ini", "A.INI", true},       {"*.INI", "a.ini", true},
      {"*.ini", ".ini", true},    {"*.ini", "a.ini.bak", false},  {"*.ini", "ini", false},
      {"?.avs", "x.avs", true},   {"?.avs", "xy.avs", false},     {"*", "", true},
      {"", "a", false},           {"a*b*c", "aXXbYYbZc", true},   {"a*b*c", "aXXbYYbZ", false},
      {"**.x", "a.x", true},      {"*.ini", "a.ini.ini", true},   {"?*", "", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.matches) << c.pattern << " vs " << c.name;
  }
}

}  // namespace
}  // namespace qv::platform
