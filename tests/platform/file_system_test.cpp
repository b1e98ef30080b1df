// The real file system, Win32 or POSIX, held to the same facts.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "tools/support/scratch_folder.h"
#ifdef _WIN32
#include "platform/win32/win32_platform.h"
using SystemFileSystem = qv::platform::Win32FileSystem;
constexpr const char* kTemporaryPrefix = "~qv";
#else
#include "platform/posix/posix_platform.h"
using SystemFileSystem = qv::platform::PosixFileSystem;
constexpr const char* kTemporaryPrefix = ".qv";
#endif

namespace qv::platform {
namespace {

using namespace qv::testing;

// "name", or "name/" for a folder, sorted.
std::vector<std::string> Listed(const std::optional<std::vector<FolderEntry>>& entries) {
  std::vector<std::string> names;
  for (const FolderEntry& entry : entries.value_or(std::vector<FolderEntry>{})) {
    names.push_back(entry.name + (entry.isFolder ? "/" : ""));
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(SystemFileSystem, ReplacesAFileWholeOrKeepsTheEarlierOneAndNeverLeavesATemporary) {
  const ScratchFolder scratch("files");
  const std::string root = scratch.path();
  SystemFileSystem files;
  std::string bytes(200000, '\0');  // binary, and more than one read
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  WriteBytes(root + "a.ini", "earlier");
  ASSERT_TRUE(files.WriteFile(root + "a.ini", bytes));
  EXPECT_TRUE(ReadBytes(root + "a.ini") == bytes && files.ReadFile(root + "a.ini", bytes.size()).bytes == bytes);
  EXPECT_EQ(files.ReadFile(root + "a.ini", bytes.size() - 1).status, ReadStatus::TooLarge);

  WriteBytes(root + "locked.ini", "old");
  fs::permissions(root + "locked.ini", fs::perms::owner_read);
  fs::create_directory(root + "folder.ini");
  for (const char* refused : {"locked.ini", "folder.ini", "missing\\a.ini"}) {
    EXPECT_FALSE(files.WriteFile(root + refused, "new")) << refused;
  }
  EXPECT_EQ(ReadBytes(root + "locked.ini"), "old");
  WriteBytes(root + "b.ini", "b");
  EXPECT_TRUE(files.RenameFile(root + "b.ini", root + "a.ini"));
  EXPECT_EQ(ReadBytes(root + "a.ini"), "b");
  fs::permissions(root + "locked.ini", fs::perms::owner_all);  // so that it can go
  EXPECT_EQ(Listed(files.ListFolder(root, "*")), (std::vector<std::string>{"a.ini", "folder.ini/", "locked.ini"}));
}

TEST(SystemFileSystem, RemovesItsOwnDayOldTemporariesAtItsFirstWriteInTheirFolder) {
  const ScratchFolder scratch("strays");
  const std::string root = scratch.path(), prefix = kTemporaryPrefix;
  SystemFileSystem files;
  const auto twoDaysAgo = fs::file_time_type::clock::now() - std::chrono::hours(48);
  // Only the first two are the program's own and old; a fresh one may be a
  // write still going on.
  const std::vector<std::string> old{prefix + "123-4.tmp", prefix + "9-0.tmp", prefix + "x-1.tmp",
                                     prefix + "12-3.txt", "my" + prefix + "1-2.tmp", prefix + "1-.tmp"};
  for (const std::string& name : old) {
    WriteBytes(root + name, "stray");
    fs::last_write_time(root + name, twoDaysAgo);
  }
  WriteBytes(root + prefix + "5-6.tmp", "fresh");
  ASSERT_TRUE(files.WriteFile(root + "a.ini", "a"));
  std::vector<std::string> kept{"a.ini", prefix + "5-6.tmp"};
  kept.insert(kept.end(), old.begin() + 2, old.end());
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(Listed(files.ListFolder(root, "*")), kept);
}

TEST(SystemFileSystem, TellsFilesFromFoldersAndListsThemByWildcard) {
  const ScratchFolder scratch("folders");
  const std::string root = scratch.path();
  SystemFileSystem files;
  for (const char* name : {"a.ini", "B.INI", "c.txt"}) WriteBytes(root + name, "");
  for (const char* name : {"d.ini", "sub"}) fs::create_directory(root + name);
  const struct {
    const char* folder;
    const char* pattern;
    std::vector<std::string> listed;
  } listings[] = {{"", "*.ini", {"B.INI", "a.ini", "d.ini/"}}, {"", "*.INI", {"B.INI", "a.ini", "d.ini/"}},
                  {"", "?.txt", {"c.txt"}}, {"sub", "*", {}}};
  for (const auto& l : listings) {
    const std::string folder = *l.folder ? root + l.folder : root.substr(0, root.size() - 1);
    EXPECT_EQ(Listed(files.ListFolder(folder, l.pattern)), l.listed) << l.folder << " " << l.pattern;
  }
  EXPECT_EQ(files.ListFolder(root + "missing", "*"), std::nullopt);
  EXPECT_EQ(files.ListFolder(root + "c.txt", "*"), std::nullopt);

  const struct {
    const char* name;
    bool isFile, folderMade;
  } entries[] = {{"c.txt", true, false}, {"sub", false, true}, {"new", false, true}, {"no\\parent", false, false}};
  for (const auto& e : entries) {
    EXPECT_EQ(files.ReadFile(root + e.name, 0).status == ReadStatus::Read, e.isFile) << e.name;
    EXPECT_EQ(files.FileExists(root + e.name), e.isFile) << e.name;
    EXPECT_EQ(files.FolderExists(root + e.name), std::string(e.name) == "sub") << e.name;
    EXPECT_EQ(files.CreateFolder(root + e.name), e.folderMade) << e.name;
    EXPECT_EQ(files.DeleteFile(root + e.name), e.isFile) << e.name;
    EXPECT_EQ(fs::exists(root + e.name), e.folderMade) << e.name;
  }
}


}  // namespace
}  // namespace qv::platform
