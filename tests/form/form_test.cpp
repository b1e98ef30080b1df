#include "form/form.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "form/range_check.h"
#include "form/rules.h"

namespace qv {
namespace {

using C = ControlId;

// The mode and subpel texts are checked through the batch and the options they give.
TEST(ControlTable, FixedListsHoldTheirTexts) {
  EXPECT_EQ(ModeItems().count, 14u);
  EXPECT_EQ(AudioEncoderItems().count, 7u);
  EXPECT_EQ(ItemText(AudioEncoderItems(), 6), " |-sse2");
  EXPECT_EQ(ItemText(MuxerItems(), 4), "Audio Only");
  EXPECT_EQ(ItemText(MethodItems(), -1), "");
  EXPECT_EQ(ItemText(DirectItems(), 3), "");
}

// A new form has no events; only writing an edit field queues one, even with
// unchanged text; user actions queue theirs in order.
TEST(Form, EventsComeFromEditWritesAndUserActionsInOrder) {
  Form form;
  EXPECT_FALSE(form.HasEvents());
  form.SetText(ControlId::Value, "30");
  form.SetText(ControlId::Value, "30");
  form.SetText(ControlId::RateCaption, "Average Bitrate");
  form.SetText(ControlId::Matrix, "jvt");
  form.SetNumber(ControlId::A1, 0);
  form.SetNumber(ControlId::Mode, 5);
  form.SetEnabled(ControlId::Vbr, true);
  form.AddItem(ControlId::JobList, "line");
  form.UserClick(ControlId::A1);
  form.UserSelect(ControlId::Mode, 0);
  form.UserType(ControlId::Kfb, "900");
  form.UserSlide(ControlId::Strength, 20);
  form.UserLeave(ControlId::Bias);
  const std::vector<FormEvent> expected = {
      {ControlId::Value, EventKind::TextChange}, {ControlId::Value, EventKind::TextChange},
      {ControlId::A1, EventKind::Click},         {ControlId::Mode, EventKind::SelectionChange},
      {ControlId::Kfb, EventKind::TextChange},   {ControlId::Strength, EventKind::Scroll},
      {ControlId::Bias, EventKind::FocusLoss}};
  std::vector<FormEvent> events;
  while (const std::optional<FormEvent> event = form.PopEvent()) events.push_back(*event);
  EXPECT_EQ(events, expected);
  EXPECT_EQ(form.Number(ControlId::A1), 1);
  EXPECT_EQ(form.Number(ControlId::Strength), 12);
}

TEST(Form, NumbersFollowTheKindOfControl) {
  const std::tuple<ControlId, int, int> cases[] = {  // control, number set, number read back
      {ControlId::A4, 7, 1},          {ControlId::A4, 0, 0},          {ControlId::Mode, 13, 13},
      {ControlId::Mode, 14, -1},      {ControlId::Mode, -5, -1},      {ControlId::Strength, -3, 0},
      {ControlId::Strength, 13, 12},  {ControlId::BiasSlider, 250, 200},
      {ControlId::Trellis, 2, 2},     {ControlId::IncludeScript, 0, -1},
  };
  for (const auto& [id, set, expected] : cases) {
    Form form;
    form.SetNumber(id, set);
    EXPECT_EQ(form.Number(id), expected) << ControlName(id) << " " << set;
  }
}

TEST(Form, ListOperationsKeepTheSelectionOnItsItem) {
  Form form;
  form.AddItems(ControlId::JobList, {"a", "b", "c"});
  form.Select(ControlId::JobList, 1);
  form.InsertItem(ControlId::JobList, 0, "x");
  EXPECT_EQ(form.Selection(ControlId::JobList), 2);
  EXPECT_EQ(form.Text(ControlId::JobList), "b");
  form.RemoveItem(ControlId::JobList, 0);
  EXPECT_EQ(form.Selection(ControlId::JobList), 1);
  form.RemoveItem(ControlId::JobList, 1);
  EXPECT_EQ(form.Selection(ControlId::JobList), -1);
  EXPECT_EQ(form.Items(ControlId::JobList), (std::vector<std::string>{"a", "c"}));
  // Clearing an editable combo drops its typed text too.
  form.AddItem(ControlId::ConfigName, "hq");
  form.SetText(ControlId::ConfigName, "typed");
  form.ClearItems(ControlId::ConfigName);
  EXPECT_EQ(form.Text(ControlId::ConfigName), "");
  EXPECT_EQ(form.ItemCount(ControlId::ConfigName), 0);
}

// A quantizer mode shows the quantizer caption and range, disables the
// bitrate variance and hides the calculator; the rest follow their own modes.
TEST(ModeRules, SetCaptionsStatesAndVisibility) {
  struct Case {
    int mode;
    bool quantizer, limitsEnabled, statsEnabled, crfVisible, sizesVisible;  // limits: the seven quantizer/VBV fields
  };
  const Case cases[] = {{0, 0, 1, 0, 0, 0},  {1, 1, 0, 0, 0, 0},  {2, 1, 1, 0, 0, 0},  {3, 0, 1, 1, 0, 0},
                        {4, 0, 1, 1, 0, 0},  {5, 0, 1, 1, 0, 0},  {6, 0, 1, 1, 0, 0},  {7, 0, 1, 1, 0, 0},
                        {8, 1, 1, 1, 0, 0},  {9, 1, 1, 1, 0, 0},  {10, 0, 1, 1, 1, 0}, {11, 0, 1, 1, 1, 0},
                        {12, 1, 1, 1, 0, 0}, {13, 0, 1, 1, 1, 1}};
  for (const Case& c : cases) {
    Form form;
    form.SetNumber(C::Mode, c.mode);
    ApplyModeRules(form);
    SCOPED_TRACE(c.mode);
    EXPECT_EQ(form.Text(C::RateCaption), c.quantizer ? "Quantizer" : "Average Bitrate");
    EXPECT_EQ(form.Text(C::RangeHint), c.quantizer ? "Range 0~51" : "Range 0~8000");
    const auto expectAll = [&](std::initializer_list<ControlId> ids, bool on, bool visible) {
      for (ControlId id : ids) EXPECT_EQ(visible ? form.Visible(id) : form.Enabled(id), on) << ControlName(id);
    };
    expectAll({C::Vbr, C::MinQp, C::MaxQp, C::QpStep, C::Vbs, C::Vmb, C::Vib}, c.limitsEnabled, false);
    expectAll({C::Bv}, !c.quantizer, false);
    expectAll({C::UpdateStats, C::Stats, C::StatsBrowse}, c.statsEnabled, false);
    expectAll({C::Calc}, !c.quantizer, true);
    expectAll({C::Auto1pCrf, C::CrfLabel}, c.crfVisible, true);
    expectAll({C::Banner}, !c.sizesVisible, true);
    expectAll({C::MinSizeLabel, C::MinSize, C::MaxSizeLabel, C::MaxSize}, c.sizesVisible, true);
    // The rate value is written back so that its range check runs again.
    const std::optional<FormEvent> event = form.PopEvent();
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(*event, (FormEvent{C::Value, EventKind::TextChange}));
  }
}

TEST(BFrameRules, EnableByTheNumberOfBFrames) {
  struct Case {
    const char* text;
    const char* after;
    bool common, refAndWeighted;  // common: A3, DirectMode, slider, bias field, BMe, BAdapt
  };
  const Case cases[] = {{"0", "0", false, false}, {"1", "1", true, false},   {"2", "2", true, true},
                        {"20", "16", true, true}, {"-3", "0", false, false}, {"abc", "abc", false, false}};
  for (const Case& c : cases) {
    Form form;
    form.SetText(C::MaxB, c.text);
    ApplyBFrameRules(form);
    EXPECT_EQ(form.Text(C::MaxB), c.after) << c.text;
    for (ControlId id : {C::A3, C::DirectMode, C::BiasSlider, C::Bias, C::BMe, C::BAdapt, C::BRef, C::BWeighted}) {
      const bool refOrWeighted = id == C::BRef || id == C::BWeighted;
      EXPECT_EQ(form.Enabled(id), refOrWeighted ? c.refAndWeighted : c.common) << c.text << " " << ControlName(id);
    }
  }
}

TEST(LogFileRule, FollowsTheCheckBox) {
  Form form;
  for (const bool on : {false, true}) {
    form.SetNumber(C::CreateLog, on);
    ApplyLogFileRule(form);
    EXPECT_EQ(form.Enabled(C::Log), on);
    EXPECT_EQ(form.Enabled(C::LogBrowse), on);
  }
}

TEST(InlineRules, EnableDependentsByTheirDriver) {
  struct Case {
    ControlId driver;
    int value;  // a check mark, a list index, or the text of a field
    ControlId dependent;
    bool enabled;
  };
  const Case cases[] = {
      {C::A1, 0, C::A5, false},           {C::A1, 1, C::A5, true},          {C::A2, 0, C::A4, false},
      {C::Subpel, 3, C::ChromaMe, false}, {C::Subpel, 4, C::ChromaMe, true}, {C::Method, 1, C::Range, false},
      {C::Method, 2, C::Range, true},     {C::Ref, 1, C::MixedRefs, false},  {C::Ref, 2, C::MixedRefs, true},
      {C::Cabac, 0, C::TrellisLabel, false}, {C::Audio, 1, C::AudioBitrate, true},
  };
  for (const Case& c : cases) {
    Form form;
    if (c.driver == C::Ref) {
      form.SetText(c.driver, std::to_string(c.value));
    } else {
      form.SetNumber(c.driver, c.value);
    }
    form.SetEnabled(c.dependent, !c.enabled);
    ApplyInlineRules(form, c.driver);
    EXPECT_EQ(form.Enabled(c.dependent), c.enabled) << ControlName(c.driver) << " " << c.value;
  }
  Form form;
  form.SetNumber(C::Cabac, 0);
  ApplyInlineRules(form, C::Cabac);
  EXPECT_TRUE(form.Enabled(C::Trellis)) << "the trellis list itself stays enabled";
}

TEST(InlineRules, ReadoutsAndUnitCaption) {
  struct Case {
    ControlId driver;
    int number;
    ControlId shown;
    const char* text;
  };
  const Case cases[] = {{C::Strength, 0, C::StrengthValue, "-6"}, {C::BiasSlider, 0, C::Bias, "-100"},
                        {C::AudioEncoder, 5, C::AudioUnit, "Kbps"}, {C::AudioEncoder, 6, C::AudioUnit, "Quality"}};
  for (const Case& c : cases) {
    Form form;
    form.SetNumber(c.driver, c.number);
    ApplyInlineRules(form, c.driver);
    EXPECT_EQ(form.Text(c.shown), c.text) << ControlName(c.driver) << " " << c.number;
  }
  Form form;
  form.SetText(C::Bias, "250");
  ApplyBiasSliderRule(form);
  EXPECT_EQ(form.Number(C::BiasSlider), 200);
}

TEST(RangeCheck, ReplacesOnlyOutOfRangeTexts) {
  Form form;
  for (const auto& [text, after] : {std::pair{"60", "51"}, {"-1", "0"}, {"abc", "abc"}, {"007", "007"},
                                    {"12x", "12x"}, {"99999999999999999999", "51"}, {"", ""}}) {
    form.SetText(C::Value, text);
    RangeCheck(form, C::Value, 0, 51);
    EXPECT_EQ(form.Text(C::Value), after) << text;
  }
  for (const auto& [text, after] : {std::pair{"1.5", "1"}, {"-0.1", "0"}, {"0.95", "0.95"}, {"x", "x"}}) {
    form.SetText(C::Vib, text);
    FractionCheck(form, C::Vib, 0, 1);
    EXPECT_EQ(form.Text(C::Vib), after) << text;
  }
}

}  // namespace
}  // namespace qv
