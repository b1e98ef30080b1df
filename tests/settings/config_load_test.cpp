#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/form.h"
#include "platform/fake/fake_platform.h"
#include "settings/config_io.h"
#include "settings/config_lists.h"
#include "settings/key_value_file.h"

namespace qv {
namespace {

using platform::FakePlatform;

// One observation of the form after a load.
struct Expect {
  enum What { Text, Number, Enabled, Visible } what;
  ControlId id;
  std::string value;  // text; decimal number; "1"/"0" for enabled and visible
};

Expect Text(ControlId id, std::string value) { return {Expect::Text, id, std::move(value)}; }
Expect Number(ControlId id, int value) { return {Expect::Number, id, std::to_string(value)}; }
Expect Enabled(ControlId id, bool on) { return {Expect::Enabled, id, on ? "1" : "0"}; }
Expect Visible(ControlId id, bool on) { return {Expect::Visible, id, on ? "1" : "0"}; }

std::string Observe(const Form& form, const Expect& expect) {
  switch (expect.what) {
    case Expect::Text: return form.Text(expect.id);
    case Expect::Number: return std::to_string(form.Number(expect.id));
    case Expect::Enabled: return form.Enabled(expect.id) ? "1" : "0";
    case Expect::Visible: return form.Visible(expect.id) ? "1" : "0";
  }
  return {};
}

struct LoadCase {
  const char* name;
  std::string bytes;
  std::vector<Expect> expects;
};

class LoadSequence : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadSequence, GivesTheSettingsAndStatesThatTheRulesAndLimitsImply) {
  FakePlatform fake;
  Form form;
  LoadConfigText(form, fake.platform, GetParam().bytes);
  for (const Expect& expect : GetParam().expects) {
    EXPECT_EQ(Observe(form, expect), expect.value) << ControlName(expect.id);
  }
}

using C = ControlId;

INSTANTIATE_TEST_SUITE_P(
    Config, LoadSequence,
    ::testing::Values(
        LoadCase{"OnlyModeGivesTheIfMissingValues",
                 "mode = 2",
                 {Number(C::Mode, 2), Text(C::Value, "0"), Text(C::MinQp, "1"), Text(C::MaxQp, "1"),
                  Text(C::QpStep, "1"), Text(C::Threads, "0"), Number(C::A1, 0), Number(C::Cabac, 0),
                  Number(C::FastPSkip, 1), Number(C::DctDecimate, 1), Number(C::UpdateStats, 1),
                  Number(C::CreateLog, 1), Number(C::Strength, 6), Number(C::Threshold, 6),
                  Text(C::StrengthValue, "0"), Text(C::AudioBitrate, "64000"), Text(C::Matrix, "flat"),
                  Text(C::Vib, "0.9"), Text(C::Bv, "100"), Text(C::Auto1pCrf, "16"), Text(C::MaxSize, "110"),
                  Text(C::MinSize, "90"), Number(C::BiasSlider, 100)}},
        LoadCase{"WordInNumberFieldIsZeroNotIfMissing", "fastpsk = yes\r\ncrelog = on", {Number(C::FastPSkip, 0),
                 Number(C::CreateLog, 0), Enabled(C::Log, false), Enabled(C::LogBrowse, false)}},
        LoadCase{"GroupLineHidesLaterKeys", "fastpsk = 0\r\n[section]\r\ndctd = 0\r\nmode = 1",
                 {Number(C::FastPSkip, 0), Number(C::DctDecimate, 1), Number(C::Mode, 0)}},
        LoadCase{"NegativeRangeBecomesZeroThreadsKept", "range = -5\r\nthr = 3\r\nms = 2",
                 {Text(C::Range, "0"), Text(C::Threads, "3"), Enabled(C::Range, true)}},
        LoadCase{"AutomaticThreadsSurvive", "thr = 0", {Text(C::Threads, "0")}},
        LoadCase{"ThreadsLimited", "thr = 5", {Text(C::Threads, "4")}},
        LoadCase{"NegativeThreadsBecomeAutomatic", "thr = -2", {Text(C::Threads, "0")}},
        LoadCase{"BiasSetsTheSlider", "bias = 30", {Text(C::Bias, "30"), Number(C::BiasSlider, 130)}},
        LoadCase{"BiasBeyondTheSliderKeepsItsText", "bias = 250x", {Text(C::Bias, "250x"), Number(C::BiasSlider, 200)}},
        LoadCase{"LoadLimitsTighterThanTheForm",
                 "kfb = 100\r\nbfr = 61\r\nvbr = 101\r\nminqp = 0\r\nmaxqp = 52\r\nqps = 51\r\nsct = 101",
                 {Text(C::Kfb, "70"), Text(C::Bfr, "60"), Text(C::Vbr, "100"), Text(C::MinQp, "1"),
                  Text(C::MaxQp, "51"), Text(C::QpStep, "50"), Text(C::Sct, "100")}},
        LoadCase{"LowerLoadLimits", "kfb = -1\r\nbfr = -1\r\nvbr = -1\r\nsct = -1\r\nrange = 65",
                 {Text(C::Kfb, "0"), Text(C::Bfr, "0"), Text(C::Vbr, "0"), Text(C::Sct, "0"), Text(C::Range, "64")}},
        LoadCase{"InRangeTextKeptAsTyped", "kfb = 007x\r\nvbs = 999999\r\nbv = 5",
                 {Text(C::Kfb, "007x"), Text(C::Vbs, "999999"), Text(C::Bv, "5")}},
        LoadCase{"QuantizerModeLimitsValueTo51", "mode = 2\r\nvalue = 60",
                 {Text(C::Value, "51"), Text(C::RateCaption, "Quantizer"), Enabled(C::Bv, false),
                  Enabled(C::MinQp, true), Visible(C::Calc, false)}},
        LoadCase{"CrfFirstPassModesLimitValueTo8000", "mode = 12\r\nvalue = 9000",
                 {Text(C::Value, "8000"), Text(C::RangeHint, "Range 0~51")}},
        LoadCase{"BitrateModeKeepsLargeValue", "mode = 0\r\nvalue = 6000",
                 {Text(C::Value, "6000"), Text(C::RateCaption, "Average Bitrate"), Visible(C::Calc, true),
                  Enabled(C::UpdateStats, false)}},
        LoadCase{"NegativeValue", "mode = 3\r\nvalue = -3", {Text(C::Value, "0"), Enabled(C::Stats, true)}},
        LoadCase{"SliderLinesDecideTheReadouts", "fa = 5\r\ndeb-a = 9\r\nfb = 3",
                 {Text(C::StrengthValue, "3"), Text(C::ThresholdValue, "0")}},
        LoadCase{"SlidersClamped", "deb-a = 20\r\ndeb-b = -3",
                 {Number(C::Strength, 12), Text(C::StrengthValue, "6"), Number(C::Threshold, 0),
                  Text(C::ThresholdValue, "-6")}},
        LoadCase{"ListIndexOutsideLeavesNoSelection", "dm = 7\r\ntre = -1\r\nmode = 14",
                 {Number(C::DirectMode, -1), Number(C::Trellis, -1), Number(C::Mode, -1)}},
        LoadCase{"AudioRateEnabledOnlyByExactlyOne", "aud = 2", {Number(C::Audio, 1), Enabled(C::AudioBitrate, false)}},
        LoadCase{"AudioOn", "aud = 1\r\nae = 6", {Enabled(C::AudioBitrate, true), Text(C::AudioUnit, "Quality")}},
        LoadCase{"PartitionGates", "a1 = 0\r\na2 = 1", {Enabled(C::A5, false), Enabled(C::A4, true)}},
        LoadCase{"MixedRefsAfterRefLimit", "ref = 20", {Text(C::Ref, "16"), Enabled(C::MixedRefs, true)}},
        LoadCase{"MixedRefsOffWithOneRef", "ref = 1\r\nmxref = 1", {Number(C::MixedRefs, 1), Enabled(C::MixedRefs, false)}},
        LoadCase{"ChromaMeAndRangeGates", "m = 3\r\nms = 1", {Enabled(C::ChromaMe, false), Enabled(C::Range, false)}},
        LoadCase{"TrellisCaptionFollowsCabac", "cab = 0\r\ntre = 2",
                 {Enabled(C::TrellisLabel, false), Enabled(C::Trellis, true), Number(C::Trellis, 2)}},
        LoadCase{"TooManyBFrames", "mb = 20", {Text(C::MaxB, "16"), Enabled(C::BRef, true)}},
        LoadCase{"TextTrimmedBothEnds", "arx = \t 5  \t\r\ncqm =  jvt ", {Text(C::SarX, "5"), Text(C::Matrix, "jvt")}},
        LoadCase{"FirstOfTwoLinesCounts", "kfb = 12\r\nKFB = 13", {Text(C::Kfb, "12")}},
        LoadCase{"Utf8ValuesBecomeLatin1", "\xEF\xBB\xBF" "cqm = \"C:\\m\xC3\xA4\xE2\x82\xAC.cfg\"",
                 {Text(C::Matrix, "\"C:\\m\xE4?.cfg\"")}}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST(Config, HandEditedFileLoadsLikeItsTidyForm) {
  FakePlatform fake;
  Form tidy;
  Form edited;
  LoadConfigText(tidy, fake.platform, "mode = 0\r\nvalue = 700\r\ncab = 0\r\narx = 4\r\n");
  LoadConfigText(edited, fake.platform, "; my settings\n\n  MODE=0\r\n\tValue \t=\t 700\r\r\n;cab = 1\nCAB= 0\rARX  =4");
  EXPECT_EQ(ConfigText(edited), ConfigText(tidy));
}

// Bytes at the edges of the reading rules: each loads, and the one setting
// named gets the value the rules imply.
TEST(Config, HostileBytesLoad) {
  using namespace std::string_literals;
  struct Case {
    std::string bytes;
    const char* key;
    const char* saved;  // the value a save then writes
  };
  const Case cases[] = {
      {"\xEF\xBB\xBF", "fastpsk", "1"},
      {"\xEF\xBB\xBF\xF4", "mode", "0"},
      {"\xEF\xBB\xBF" "bias = \xC3", "bias", "?"},
      {"\0\0\0\0"s, "crelog", "1"},
      {"=\r=\n=", "cqm", "flat"},
      {"mb = -99999999999999999999999999999999999999", "mb", "0"},
      {"bias = -99999999999999999999999999999999999999", "bias", "-99999999999999999999999999999999999999"},
      {"ref = 99999999999999999999999999999999999999", "ref", "16"},
      {"range = +", "range", "+"},
      {"[", "dctd", "1"},
      {"\xFF\xFE" "m\0o\0d\0e\0 \0=\0 \0" "2\0"s, "mode", "0"},
  };
  for (const Case& c : cases) {
    FakePlatform fake;
    Form form;
    LoadConfigText(form, fake.platform, c.bytes);
    EXPECT_EQ(KeyValueFile::Parse(ConfigText(form)).ReadText(c.key, "<missing>"), c.saved) << c.key;
  }
}

}  // namespace
}  // namespace qv
