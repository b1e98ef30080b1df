#include "form/rules.h"

#include <gtest/gtest.h>

#include "form/range_check.h"

namespace qv {
namespace {

struct ModeCase {
  int mode;
  const char* caption;
  const char* hint;
  bool limitsEnabled;  // the seven quantizer/VBV fields
  bool bvEnabled;
  bool calcVisible;
  bool statsEnabled;
  bool crfVisible;
  bool sizesVisible;
};

class ModeRules : public testing::TestWithParam<ModeCase> {};

TEST_P(ModeRules, SetCaptionsStatesAndVisibility) {
  const ModeCase& c = GetParam();
  Form form;
  form.SetNumber(ControlId::Mode, c.mode);
  ApplyModeRules(form);
  EXPECT_EQ(form.Text(ControlId::RateCaption), c.caption);
  EXPECT_EQ(form.Text(ControlId::RangeHint), c.hint);
  for (ControlId id : {ControlId::Vbr, ControlId::MinQp, ControlId::MaxQp, ControlId::QpStep, ControlId::Vbs,
                       ControlId::Vmb, ControlId::Vib}) {
    EXPECT_EQ(form.Enabled(id), c.limitsEnabled) << ControlName(id);
  }
  EXPECT_EQ(form.Enabled(ControlId::Bv), c.bvEnabled);
  EXPECT_EQ(form.Visible(ControlId::Calc), c.calcVisible);
  for (ControlId id : {ControlId::UpdateStats, ControlId::Stats, ControlId::StatsBrowse}) {
    EXPECT_EQ(form.Enabled(id), c.statsEnabled) << ControlName(id);
  }
  EXPECT_EQ(form.Visible(ControlId::Auto1pCrf), c.crfVisible);
  EXPECT_EQ(form.Visible(ControlId::CrfLabel), c.crfVisible);
  EXPECT_EQ(form.Visible(ControlId::Banner), !c.sizesVisible);
  for (ControlId id : {ControlId::MinSizeLabel, ControlId::MinSize, ControlId::MaxSizeLabel, ControlId::MaxSize}) {
    EXPECT_EQ(form.Visible(id), c.sizesVisible) << ControlName(id);
  }
  // The rate value is written back so that its range check runs again.
  auto event = form.PopEvent();
  ASSERT_TRUE(event.has_value());
  EXPECT_EQ(event->id, ControlId::Value);
  EXPECT_EQ(event->kind, EventKind::TextChange);
}

const char* const Q = "Quantizer";
const char* const B = "Average Bitrate";
const char* const R51 = "Range 0~51";
const char* const R8k = "Range 0~8000";

INSTANTIATE_TEST_SUITE_P(
    AllModes, ModeRules,
    testing::Values(ModeCase{0, B, R8k, true, true, true, false, false, false},
                    ModeCase{1, Q, R51, false, false, false, false, false, false},
                    ModeCase{2, Q, R51, true, false, false, false, false, false},
                    ModeCase{3, B, R8k, true, true, true, true, false, false},
                    ModeCase{4, B, R8k, true, true, true, true, false, false},
                    ModeCase{5, B, R8k, true, true, true, true, false, false},
                    ModeCase{6, B, R8k, true, true, true, true, false, false},
                    ModeCase{7, B, R8k, true, true, true, true, false, false},
                    ModeCase{8, Q, R51, true, false, false, true, false, false},
                    ModeCase{9, Q, R51, true, false, false, true, false, false},
                    ModeCase{10, B, R8k, true, true, true, true, true, false},
                    ModeCase{11, B, R8k, true, true, true, true, true, false},
                    ModeCase{12, Q, R51, true, false, false, true, false, false},
                    ModeCase{13, B, R8k, true, true, true, true, true, true}));

TEST(BFrameRules, EnableByTheNumberOfBFrames) {
  struct Case {
    const char* text;
    const char* after;
    bool common;  // A3, DirectMode, slider, bias field, BMe, BAdapt
    bool refAndWeighted;
  };
  const Case cases[] = {{"0", "0", false, false}, {"1", "1", true, false}, {"2", "2", true, true},
                        {"20", "16", true, true}, {"-3", "0", false, false}, {"abc", "abc", false, false}};
  for (const Case& c : cases) {
    Form form;
    form.SetText(ControlId::MaxB, c.text);
    ApplyBFrameRules(form);
    EXPECT_EQ(form.Text(ControlId::MaxB), c.after) << c.text;
    for (ControlId id : {ControlId::A3, ControlId::DirectMode, ControlId::BiasSlider, ControlId::Bias,
                         ControlId::BMe, ControlId::BAdapt}) {
      EXPECT_EQ(form.Enabled(id), c.common) << c.text << " " << ControlName(id);
    }
    EXPECT_EQ(form.Enabled(ControlId::BRef), c.refAndWeighted) << c.text;
    EXPECT_EQ(form.Enabled(ControlId::BWeighted), c.refAndWeighted) << c.text;
  }
}

TEST(LogFileRule, FollowsTheCheckBox) {
  Form form;
  form.SetNumber(ControlId::CreateLog, 0);
  ApplyLogFileRule(form);
  EXPECT_FALSE(form.Enabled(ControlId::Log));
  EXPECT_FALSE(form.Enabled(ControlId::LogBrowse));
  form.SetNumber(ControlId::CreateLog, 1);
  ApplyLogFileRule(form);
  EXPECT_TRUE(form.Enabled(ControlId::Log));
  EXPECT_TRUE(form.Enabled(ControlId::LogBrowse));
}

TEST(InlineRules, EnableDependentsByTheirDriver) {
  struct Case {
    ControlId driver;
    int number;          // for check boxes and lists
    const char* text;    // for fields (nullptr otherwise)
    ControlId dependent;
    bool enabled;
  };
  const Case cases[] = {
      {ControlId::A1, 0, nullptr, ControlId::A5, false},
      {ControlId::A1, 1, nullptr, ControlId::A5, true},
      {ControlId::A2, 0, nullptr, ControlId::A4, false},
      {ControlId::Subpel, 3, nullptr, ControlId::ChromaMe, false},
      {ControlId::Subpel, 4, nullptr, ControlId::ChromaMe, true},
      {ControlId::Method, 1, nullptr, ControlId::Range, false},
      {ControlId::Method, 2, nullptr, ControlId::Range, true},
      {ControlId::Ref, 0, "1", ControlId::MixedRefs, false},
      {ControlId::Ref, 0, "2", ControlId::MixedRefs, true},
      {ControlId::Cabac, 0, nullptr, ControlId::TrellisLabel, false},
      {ControlId::Audio, 1, nullptr, ControlId::AudioBitrate, true},
  };
  for (const Case& c : cases) {
    Form form;
    if (c.text) {
      form.SetText(c.driver, c.text);
    } else {
      form.SetNumber(c.driver, c.number);
    }
    form.SetEnabled(c.dependent, !c.enabled);
    ApplyInlineRules(form, c.driver);
    EXPECT_EQ(form.Enabled(c.dependent), c.enabled) << ControlName(c.driver);
  }
  Form form;
  form.SetNumber(ControlId::Cabac, 0);
  ApplyInlineRules(form, ControlId::Cabac);
  EXPECT_TRUE(form.Enabled(ControlId::Trellis)) << "the trellis list itself stays enabled";
}

TEST(InlineRules, ReadoutsAndUnitCaption) {
  Form form;
  form.SetNumber(ControlId::Strength, 0);
  ApplyInlineRules(form, ControlId::Strength);
  EXPECT_EQ(form.Text(ControlId::StrengthValue), "-6");
  form.SetNumber(ControlId::BiasSlider, 0);
  ApplyInlineRules(form, ControlId::BiasSlider);
  EXPECT_EQ(form.Text(ControlId::Bias), "-100");
  form.SetNumber(ControlId::AudioEncoder, 5);
  ApplyInlineRules(form, ControlId::AudioEncoder);
  EXPECT_EQ(form.Text(ControlId::AudioUnit), "Kbps");
  form.SetNumber(ControlId::AudioEncoder, 6);
  ApplyInlineRules(form, ControlId::AudioEncoder);
  EXPECT_EQ(form.Text(ControlId::AudioUnit), "Quality");
  form.SetText(ControlId::Bias, "250");
  ApplyBiasSliderRule(form);
  EXPECT_EQ(form.Number(ControlId::BiasSlider), 200);
}

TEST(RangeCheck, ReplacesOnlyOutOfRangeTexts) {
  struct Case {
    const char* text;
    const char* after;
  };
  const Case cases[] = {{"60", "51"}, {"-1", "0"}, {"abc", "abc"}, {"007", "007"}, {"12x", "12x"},
                        {"99999999999999999999", "51"}, {"", ""}};
  for (const Case& c : cases) {
    Form form;
    form.SetText(ControlId::Value, c.text);
    RangeCheck(form, ControlId::Value, 0, 51);
    EXPECT_EQ(form.Text(ControlId::Value), c.after) << c.text;
  }
  Form form;
  for (const auto& [text, after] : {std::pair{"1.5", "1"}, {"-0.1", "0"}, {"0.95", "0.95"}, {"x", "x"}}) {
    form.SetText(ControlId::Vib, text);
    FractionCheck(form, ControlId::Vib, 0, 1);
    EXPECT_EQ(form.Text(ControlId::Vib), after) << text;
  }
}

}  // namespace
}  // namespace qv
