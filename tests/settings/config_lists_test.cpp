#include "settings/config_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/form.h"
#include "platform/fake/fake_platform.h"
#include "settings/config_io.h"

namespace qv {
namespace {

using platform::FakePlatform;
using platform::FolderEntry;
using Names = std::vector<std::string>;

// A listing as the system gives it, short-name matches included.
class ScriptedListing : public platform::FakeFileSystem {
 public:
  std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder, const std::string& pattern) override {
    asked.push_back(folder + "|" + pattern);
    return entries;
  }
  std::optional<std::vector<FolderEntry>> entries;
  std::vector<std::string> asked;
};

TEST(ConfigLists, KeepOnlyFilesWithTheExactExtensionInListingOrder) {
  FakePlatform fake;
  ScriptedListing files;
  files.entries = std::vector<FolderEntry>{{"zeta.ini", false}, {"x.inix", false}, {"folder.ini", true},
                                           {".ini", false},     {"A.INI", false},  {"a.b.ini", false},
                                           {"ini", false},      {"alpha.ini", false}};
  const platform::Platform platform{files, fake.dialogs, fake.processes, fake.libraries, fake.clipboard, "C:\\Q\\"};
  Form form;
  RefreshConfigNames(form, platform);
  EXPECT_EQ(form.Items(ControlId::ConfigName), (Names{"zeta", "", "A", "a.b", "alpha"}));
  EXPECT_EQ(files.asked, Names{"C:\\Q\\configs|*.ini"});
}

TEST(ConfigLists, RefreshFillsBothListsAndSelectsNothing) {
  FakePlatform fake;
  fake.files.AddFile("C:\\Q\\configs\\b.ini", "");
  fake.files.AddFile("C:\\Q\\configs\\a.ini", "");
  fake.files.AddFolder("C:\\Q\\configs\\dir.ini");
  fake.files.AddFile("C:\\Q\\configs\\notes.txt", "");
  fake.files.AddFile("C:\\Q\\avsinc\\Deint.AVS", "");
  fake.files.AddFile("C:\\Q\\avsinc\\crop.avs", "");
  Form form;
  form.AddItem(ControlId::IncludeScript, "stale");
  form.Select(ControlId::IncludeScript, 0);
  form.UserType(ControlId::ConfigName, "typed");
  RefreshConfigLists(form, fake.platform);
  EXPECT_EQ(form.Items(ControlId::ConfigName), (Names{"b", "a"}));
  EXPECT_EQ(form.Items(ControlId::IncludeScript), (Names{"Deint", "crop"}));
  EXPECT_EQ(form.Text(ControlId::ConfigName), "");
  EXPECT_EQ(form.Selection(ControlId::IncludeScript), -1);
  EXPECT_EQ(form.Text(ControlId::IncludeScript), "");
}

TEST(ConfigLists, MissingFoldersLeaveEmptyLists) {
  FakePlatform fake;
  fake.files.AddFile("C:\\Q\\avsinc\\crop.avs", "");
  Form form;
  form.AddItem(ControlId::ConfigName, "stale");
  RefreshConfigLists(form, fake.platform);
  EXPECT_EQ(form.ItemCount(ControlId::ConfigName), 0);
  EXPECT_EQ(form.Items(ControlId::IncludeScript), Names{"crop"});

  FakePlatform empty;
  RefreshConfigLists(form, empty.platform);
  EXPECT_EQ(form.ItemCount(ControlId::IncludeScript), 0);
}

TEST(IncludeScript, SelectsExactByteForByteMatchesAndKeepsOtherwise) {
  struct Case {
    const char* name;
    int expected;
  };
  // Items: 0 "deint", 1 "Crop", 2 "deint"; selection before: 1.
  const Case cases[] = {{"deint", 2}, {"Crop", 1}, {"crop", 1}, {"", 1}, {"absent", 1}, {"deint ", 1}};
  for (const Case& c : cases) {
    Form form;
    form.AddItems(ControlId::IncludeScript, {"deint", "Crop", "deint"});
    form.Select(ControlId::IncludeScript, 1);
    SelectIncludeScript(form, c.name);
    EXPECT_EQ(form.Selection(ControlId::IncludeScript), c.expected) << c.name;
  }
}

TEST(IncludeScript, LoadedNameSelectsItsEntry) {
  FakePlatform fake;
  fake.files.AddFile("C:\\Q\\avsinc\\a.avs", "");
  fake.files.AddFile("C:\\Q\\avsinc\\b.avs", "");
  Form form;
  RefreshConfigLists(form, fake.platform);
  form.Select(ControlId::IncludeScript, 0);
  LoadConfigText(form, fake.platform, "avsinc = b");
  EXPECT_EQ(form.Text(ControlId::IncludeScript), "b");
  LoadConfigText(form, fake.platform, "avsinc = B");
  EXPECT_EQ(form.Text(ControlId::IncludeScript), "b");
}

TEST(BaseName, DropsFolderAndLastExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"x.ini", "x"},      {"a.b.ini", "a.b"}, {".ini", ""},         {"noext", "noext"},
      {"C:\\d.x\\f", "f"}, {"d/f.avs", "f"},   {"C:\\d\\f.e", "f"}, {"trail.", "trail"},
  };
  for (const auto& [path, base] : cases) EXPECT_EQ(BaseName(path), base) << path;
}

}  // namespace
}  // namespace qv
