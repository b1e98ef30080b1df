#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/form.h"
#include "platform/fake/fake_platform.h"
#include "settings/config_io.h"
#include "settings/config_lists.h"

namespace qv {
namespace {

using platform::FakePlatform;
using C = ControlId;
using platform::FolderEntry;
using Names = std::vector<std::string>;
using namespace std::string_literals;

// One observation of the form after a load: "text", "number", "enabled" or "visible".
struct Expect {
  char what;  // 't', 'n', 'e', 'v'
  ControlId id;
  std::string value;
};

Expect Text(ControlId id, std::string value) { return {'t', id, std::move(value)}; }
Expect Number(ControlId id, int value) { return {'n', id, std::to_string(value)}; }
Expect Enabled(ControlId id, bool on) { return {'e', id, on ? "1" : "0"}; }
Expect Visible(ControlId id, bool on) { return {'v', id, on ? "1" : "0"}; }

std::string Observe(const Form& form, const Expect& expect) {
  if (expect.what == 't') return form.Text(expect.id);
  if (expect.what == 'n') return std::to_string(form.Number(expect.id));
  return (expect.what == 'e' ? form.Enabled(expect.id) : form.Visible(expect.id)) ? "1" : "0";
}

// Each load gives the settings and states that the rules and load limits imply.
TEST(Config, LoadSequence) {
  struct Case {
    std::string bytes;
    std::vector<Expect> expects;
  };
  const Case cases[] = {
      {"mode = 2",  // only the mode: every other setting gets its if-missing value
       {Number(C::Mode, 2), Text(C::Value, "0"), Text(C::MinQp, "1"), Text(C::MaxQp, "1"), Text(C::QpStep, "1"),
        Text(C::Threads, "0"), Number(C::A1, 0), Number(C::Cabac, 0), Number(C::FastPSkip, 1),
        Number(C::DctDecimate, 1), Number(C::UpdateStats, 1), Number(C::CreateLog, 1), Number(C::Strength, 6),
        Number(C::Threshold, 6), Text(C::StrengthValue, "0"), Text(C::AudioBitrate, "64000"),
        Text(C::Matrix, "flat"), Text(C::Vib, "0.9"), Text(C::Bv, "100"), Text(C::Auto1pCrf, "16"),
        Text(C::MaxSize, "110"), Text(C::MinSize, "90"), Number(C::BiasSlider, 100)}},
      // A word in a number field is zero, not the if-missing value.
      {"fastpsk = yes\r\ncrelog = on",
       {Number(C::FastPSkip, 0), Number(C::CreateLog, 0), Enabled(C::Log, false), Enabled(C::LogBrowse, false)}},
      {"fastpsk = 0\r\n[section]\r\ndctd = 0\r\nmode = 1",
       {Number(C::FastPSkip, 0), Number(C::DctDecimate, 1), Number(C::Mode, 0)}},
      {"range = -5\r\nthr = 3\r\nms = 2", {Text(C::Range, "0"), Text(C::Threads, "3"), Enabled(C::Range, true)}},
      {"bias = 30", {Text(C::Bias, "30"), Number(C::BiasSlider, 130)}},
      {"bias = 250x", {Text(C::Bias, "250x"), Number(C::BiasSlider, 200)}},
      // Load limits tighter than the form's.
      {"kfb = 100\r\nbfr = 61\r\nvbr = 101\r\nminqp = 0\r\nmaxqp = 52\r\nqps = 51\r\nsct = 101\r\nthr = 5",
       {Text(C::Kfb, "70"), Text(C::Bfr, "60"), Text(C::Vbr, "100"), Text(C::MinQp, "1"), Text(C::MaxQp, "51"),
        Text(C::QpStep, "50"), Text(C::Sct, "100"), Text(C::Threads, "4")}},
      {"kfb = -1\r\nbfr = -1\r\nvbr = -1\r\nsct = -1\r\nrange = 65\r\nthr = -2",
       {Text(C::Kfb, "0"), Text(C::Bfr, "0"), Text(C::Vbr, "0"), Text(C::Sct, "0"), Text(C::Range, "64"),
        Text(C::Threads, "0")}},
      {"kfb = 007x\r\nvbs = 999999\r\nbv = 5", {Text(C::Kfb, "007x"), Text(C::Vbs, "999999"), Text(C::Bv, "5")}},
      {"mode = 2\r\nvalue = 60",
       {Text(C::Value, "51"), Text(C::RateCaption, "Quantizer"), Enabled(C::Bv, false), Enabled(C::MinQp, true),
        Visible(C::Calc, false)}},
      {"mode = 12\r\nvalue = 9000", {Text(C::Value, "8000"), Text(C::RangeHint, "Range 0~51")}},
      {"mode = 0\r\nvalue = 6000",
       {Text(C::Value, "6000"), Text(C::RateCaption, "Average Bitrate"), Visible(C::Calc, true),
        Enabled(C::UpdateStats, false)}},
      {"mode = 3\r\nvalue = -3", {Text(C::Value, "0"), Enabled(C::Stats, true)}},
      // The slider lines decide the readouts.
      {"fa = 5\r\ndeb-a = 9\r\nfb = 3", {Text(C::StrengthValue, "3"), Text(C::ThresholdValue, "0")}},
      {"deb-a = 20\r\ndeb-b = -3",
       {Number(C::Strength, 12), Text(C::StrengthValue, "6"), Number(C::Threshold, 0), Text(C::ThresholdValue, "-6")}},
      {"dm = 7\r\ntre = -1\r\nmode = 14", {Number(C::DirectMode, -1), Number(C::Trellis, -1), Number(C::Mode, -1)}},
      // Only exactly 1 enables the audio rate.
      {"aud = 2", {Number(C::Audio, 1), Enabled(C::AudioBitrate, false)}},
      // The gates run after the limits.
      {"aud = 1\r\nae = 6\r\na1 = 0\r\na2 = 1\r\nref = 20\r\nm = 3\r\nms = 1\r\nmb = 20",
       {Enabled(C::AudioBitrate, true), Text(C::AudioUnit, "Quality"), Enabled(C::A5, false), Enabled(C::A4, true),
        Text(C::Ref, "16"), Enabled(C::MixedRefs, true), Enabled(C::ChromaMe, false), Enabled(C::Range, false),
        Text(C::MaxB, "16"), Enabled(C::BRef, true)}},
      {"ref = 1\r\nmxref = 1", {Number(C::MixedRefs, 1), Enabled(C::MixedRefs, false)}},
      {"cab = 0\r\ntre = 2", {Enabled(C::TrellisLabel, false), Enabled(C::Trellis, true), Number(C::Trellis, 2)}},
      {"arx = \t 5  \t\r\ncqm =  jvt ", {Text(C::SarX, "5"), Text(C::Matrix, "jvt")}},
      {"kfb = 12\r\nKFB = 13", {Text(C::Kfb, "12")}},
      {"\xEF\xBB\xBF" "cqm = \"C:\\m\xC3\xA4\xE2\x82\xAC.cfg\"", {Text(C::Matrix, "\"C:\\m\xE4?.cfg\"")}},
      // Hostile bytes at the edges of the reading rules.
      {"\xEF\xBB\xBF", {Number(C::FastPSkip, 1)}},
      {"\xEF\xBB\xBF\xF4", {Number(C::Mode, 0)}},
      {"\xEF\xBB\xBF" "bias = \xC3", {Text(C::Bias, "?")}},
      {"\0\0\0\0"s, {Number(C::CreateLog, 1)}},
      {"=\r=\n=", {Text(C::Matrix, "flat")}},
      {"mb = -99999999999999999999999999999999999999", {Text(C::MaxB, "0")}},
      {"bias = -99999999999999999999999999999999999999", {Text(C::Bias, "-99999999999999999999999999999999999999")}},
      {"ref = 99999999999999999999999999999999999999", {Text(C::Ref, "16")}},
      {"range = +", {Text(C::Range, "+")}},
      {"[", {Number(C::DctDecimate, 1)}},
      {"\xFF\xFE" "m\0o\0d\0e\0 \0=\0 \0" "2\0"s, {Number(C::Mode, 0)}},
  };
  for (const Case& c : cases) {
    FakePlatform fake;
    Form form;
    LoadConfigText(form, fake.platform, c.bytes);
    for (const Expect& e : c.expects) EXPECT_EQ(Observe(form, e), e.value) << c.bytes << ": " << ControlName(e.id);
  }
}

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
  // Missing folders leave empty lists.
  FakePlatform scriptsOnly;
  scriptsOnly.files.AddFile("C:\\Q\\avsinc\\crop.avs", "");
  RefreshConfigLists(form, scriptsOnly.platform);
  EXPECT_EQ(form.ItemCount(ControlId::ConfigName), 0);
  EXPECT_EQ(form.Items(ControlId::IncludeScript), Names{"crop"});
  RefreshConfigLists(form, FakePlatform().platform);
  EXPECT_EQ(form.ItemCount(ControlId::IncludeScript), 0);
}

// Items: 0 "deint", 1 "Crop", 2 "deint"; selection before: 1.
TEST(IncludeScript, SelectsExactByteForByteMatchesAndKeepsOtherwise) {
  const std::pair<const char*, int> cases[] = {{"deint", 2}, {"Crop", 1},   {"crop", 1},
                                               {"", 1},      {"absent", 1}, {"deint ", 1}};
  for (const auto& [name, expected] : cases) {
    Form form;
    form.AddItems(ControlId::IncludeScript, {"deint", "Crop", "deint"});
    form.Select(ControlId::IncludeScript, 1);
    SelectIncludeScript(form, name);
    EXPECT_EQ(form.Selection(ControlId::IncludeScript), expected) << name;
  }
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
