#include <gtest/gtest.h>

#include <string>

#include "form/form.h"
#include "platform/fake/fake_platform.h"
#include "settings/config_io.h"
#include "settings/config_lists.h"

namespace qv {
namespace {

using platform::FakePlatform;

// The default settings as a save writes them, byte for byte.
constexpr char kDefaultsSaved[] =
    "upstat = 1\r\na1 = 1\r\na2 = 1\r\na3 = 1\r\na4 = 0\r\na5 = 1\r\na6 = 1\r\ncab = 1\r\nmxref = 0\r\n"
    "tre = 0\r\nfil = 1\r\nbref = 0\r\nbme = 0\r\nba = 1\r\nbwb = 1\r\nmode = 1\r\ndm = 0\r\nm = 4\r\n"
    "ms = 1\r\naud = 0\r\nae = 1\r\napin = 0\r\nmuxer = 0\r\ndeb-a = 6\r\ndeb-b = 6\r\nfastpsk = 1\r\n"
    "dctd = 1\r\ncrelog = 1\r\ncqm = flat\r\naub = 64\r\nfa = 0\r\nmb = 2\r\nbias = 0\r\nfb = 0\r\n"
    "value = 26\r\nrange = 16\r\nref = 1\r\narx = 1\r\nary = 1\r\nthr = 1\r\nnr = 0\r\nkfb = 40\r\n"
    "bfr = 30\r\nvbr = 60\r\nminqp = 10\r\nmaxqp = 51\r\nqps = 4\r\nvbs = 0\r\nvmb = 0\r\nvib = 0.9\r\n"
    "bv = 100\r\nsct = 40\r\nmingop = 25\r\nmaxgop = 250\r\nauto1pcrf = 16\r\navsinc = \r\n"
    "maxsize = 110\r\nminsize = 90\r\n";

// Every setting away from its default and inside its limits, in the write
// format, so that a load followed by a save must give these bytes back.
constexpr char kEverySettingChanged[] =
    "upstat = 0\r\na1 = 0\r\na2 = 0\r\na3 = 0\r\na4 = 1\r\na5 = 0\r\na6 = 0\r\ncab = 0\r\nmxref = 1\r\n"
    "tre = 2\r\nfil = 0\r\nbref = 1\r\nbme = 1\r\nba = 0\r\nbwb = 0\r\nmode = 13\r\ndm = 2\r\nm = 8\r\n"
    "ms = 3\r\naud = 1\r\nae = 6\r\napin = 1\r\nmuxer = 4\r\ndeb-a = 0\r\ndeb-b = 12\r\nfastpsk = 0\r\n"
    "dctd = 0\r\ncrelog = 0\r\ncqm = \"C:\\m x.cfg\"\r\naub = 128\r\nfa = -6\r\nmb = 16\r\nbias = -100\r\n"
    "fb = 6\r\nvalue = 8000\r\nrange = 64\r\nref = 16\r\narx = 16\r\nary = 9\r\nthr = 0\r\nnr = 1000\r\n"
    "kfb = 70\r\nbfr = 60\r\nvbr = 100\r\nminqp = 51\r\nmaxqp = 1\r\nqps = 50\r\nvbs = 240000\r\n"
    "vmb = 8000\r\nvib = 0.5\r\nbv = 1000\r\nsct = 100\r\nmingop = 1\r\nmaxgop = 9999\r\nauto1pcrf = 20\r\n"
    "avsinc = deint\r\nmaxsize = 700\r\nminsize = 650\r\n";

TEST(ConfigSave, DefaultsGiveFiftyEightCrLfLinesInWriteOrder) {
  FakePlatform fake;
  Form form;
  LoadBuiltInDefaults(form, fake.platform);
  EXPECT_EQ(ConfigText(form), kDefaultsSaved);
}

TEST(ConfigSave, EverySettingSurvivesSaveAndLoad) {
  FakePlatform fake;
  fake.files.AddFile("C:\\Q\\AVSinc\\deint.avs", "");
  fake.files.AddFolder("C:\\Q\\configs");
  Form first;
  RefreshConfigLists(first, fake.platform);
  LoadConfigText(first, fake.platform, kEverySettingChanged);
  ASSERT_TRUE(SaveConfig(first, fake.files, "C:\\Q\\configs\\all.ini"));
  EXPECT_EQ(fake.files.ReadFile("C:\\Q\\configs\\all.ini"), std::string(kEverySettingChanged));

  Form second;
  RefreshConfigLists(second, fake.platform);
  LoadConfig(second, fake.platform, "C:\\Q\\configs\\all.ini");
  EXPECT_EQ(ConfigText(second), kEverySettingChanged);
}

// A missing state file loads the built-in defaults over what the form held,
// through a default.ini that replaces any earlier one and is deleted after,
// or straight from memory where the program folder cannot be written.
TEST(ConfigDefaults, MissingStateFileBringsInTheDefaults) {
  for (const bool writable : {true, false}) {
    FakePlatform fake;
    fake.files.AddFolder("C:\\Q");
    if (writable) fake.files.AddFile("C:\\Q\\default.ini", std::string(100000, 'x') + "\r\nmode = 0\r\nvalue = 3000");
    if (!writable) fake.files.MakeFolderUnwritable("C:\\Q");
    const int writesBefore = fake.files.writeCount;
    Form form;
    LoadConfigText(form, fake.platform, "mode = 0\r\nvalue = 3000");
    LoadConfig(form, fake.platform, StateFilePath(fake.platform));
    EXPECT_EQ(ConfigText(form), kDefaultsSaved) << writable;
    EXPECT_TRUE(fake.files.Files().empty()) << writable;
    EXPECT_EQ(fake.files.writeCount - writesBefore, writable ? 1 : 0) << writable;
  }
}

TEST(ConfigName, ValidAndInvalidNames) {
  for (const char* name : {"x", "my config", "a.b", "", "...", "console", "COM10", "LPT0", "con x", "nul-ish",
                           "conin", "\xE9t\xE9"}) {
    EXPECT_TRUE(IsValidConfigName(name)) << name;
  }
  for (const char* name : {"a\\b", "a/b", "..\\x", "../x", "c:x", "a*", "a?", "a\"b", "<", ">", "a|b", "a\tb",
                           "\x01", "\x1F", "CON", "con", "Con.x", "nul.tar.gz", "COM1", "lpt9", "aux ",
                           "prn .x", "COM\xB9", "conout$", "CONIN$"}) {
    EXPECT_FALSE(IsValidConfigName(name)) << name;
  }
}

struct NamedFixture : ::testing::Test {
  FakePlatform fake;
  Form form;
  void SetUp() override {
    fake.files.AddFolder("C:\\Q");
    fake.files.AddFolder("C:\\Q\\configs");
    LoadBuiltInDefaults(form, fake.platform);
  }
  SaveResult Save(const std::string& name, bool yes) {
    form.UserType(ControlId::ConfigName, name);
    fake.dialogs.answers.push_back(yes);
    return SaveNamedConfig(form, fake.platform);
  }
  bool Load(const std::string& name) {
    form.UserType(ControlId::ConfigName, name);
    return LoadNamedConfig(form, fake.platform);
  }
};

// Yes writes the config, No writes nothing; both refill the list and clear the name.
TEST_F(NamedFixture, SaveAsksAndRefillsTheList) {
  fake.files.AddFile("C:\\Q\\configs\\older.ini", "");
  EXPECT_EQ(Save("fast", false).outcome, SaveOutcome::Declined);
  EXPECT_FALSE(fake.files.FileExists("C:\\Q\\configs\\fast.ini"));
  EXPECT_EQ(form.Items(ControlId::ConfigName), (std::vector<std::string>{"older"}));
  EXPECT_EQ(form.Text(ControlId::ConfigName), "");

  const SaveResult result = Save("fast", true);
  EXPECT_EQ(result.outcome, SaveOutcome::Saved);
  EXPECT_EQ(result.path, "C:\\Q\\configs\\fast.ini");
  EXPECT_EQ(fake.files.ReadFile("C:\\Q\\configs\\fast.ini"), ConfigText(form));
  ASSERT_EQ(fake.dialogs.calls.size(), 2u);
  EXPECT_EQ(fake.dialogs.calls[1].kind, "yesno");
  EXPECT_EQ(fake.dialogs.calls[1].title, "Save");
  EXPECT_EQ(fake.dialogs.calls[1].defaultName, "Are you sure?");
  EXPECT_EQ(form.Items(ControlId::ConfigName), (std::vector<std::string>{"older", "fast"}));
  EXPECT_EQ(form.Text(ControlId::ConfigName), "");
}

TEST_F(NamedFixture, SaveWithEmptyOrInvalidNameWritesNothing) {
  for (const char* name : {"", "..\\..\\escape", "CON", "a:b"}) {
    const int writesBefore = fake.files.writeCount;
    const SaveResult result = Save(name, true);
    EXPECT_EQ(result.outcome, SaveOutcome::Invalid) << name;
    EXPECT_EQ(result.path, "");
    EXPECT_EQ(fake.files.writeCount, writesBefore) << name;
    EXPECT_EQ(form.Text(ControlId::ConfigName), "");
  }
  fake.files.MakeFolderUnwritable("C:\\Q\\configs");
  const SaveResult result = Save("fast", true);
  EXPECT_EQ(result.outcome, SaveOutcome::Failed);
  EXPECT_EQ(result.path, "C:\\Q\\configs\\fast.ini");
}

TEST_F(NamedFixture, LoadReadsAnExistingReadOnlyConfigAndKeepsTheName) {
  fake.files.AddFile("C:\\Q\\configs\\slow.ini", "mode = 0\r\nvalue = 1500");
  fake.files.MakeReadOnly("C:\\Q\\configs\\slow.ini");
  EXPECT_TRUE(Load("slow"));
  EXPECT_EQ(form.Number(ControlId::Mode), 0);
  EXPECT_EQ(form.Text(ControlId::Value), "1500");
  EXPECT_EQ(form.Text(ControlId::ConfigName), "slow");
  EXPECT_EQ(fake.files.writeCount, 1);  // the transient default.ini only
  // An empty name loads the file named ".ini".
  fake.files.AddFile("C:\\Q\\configs\\.ini", "mode = 2");
  EXPECT_TRUE(Load(""));
  EXPECT_EQ(form.Number(ControlId::Mode), 2);
}

TEST_F(NamedFixture, LoadOfAMissingOrInvalidNameChangesAndCreatesNothing) {
  fake.files.AddFile("C:\\Q\\secret.ini", "mode = 0");
  const std::string before = ConfigText(form);
  for (const char* name : {"absent", "", "..\\secret", "C:\\Q\\secret"}) {
    EXPECT_FALSE(Load(name)) << name;
    EXPECT_EQ(ConfigText(form), before) << name;
  }
  EXPECT_EQ(fake.files.Files(), std::vector<std::string>{"C:\\Q\\secret.ini"});
}

}  // namespace
}  // namespace qv
