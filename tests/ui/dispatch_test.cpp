#include <string>
#include <utility>
#include <vector>

#include "ui_fixture.h"

namespace qv {
namespace {

using Lines = std::vector<std::string>;

class DispatchTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    Start();
  }
};

TEST_F(DispatchTest, TypedValuesAndModeChangesKeepFieldsWithinTheFormBounds) {
  struct Case {
    int mode;
    ControlId field;
    const char* typed;  // nullptr: only the mode changes
    const char* shown;
  };
  using C = ControlId;
  const Case cases[] = {
      {1, C::Value, "60", "51"},    {2, C::Value, "52", "51"},         {0, C::Value, "9000", "8000"},
      {8, C::Value, "900", "900"},  {1, C::Value, "abc", "abc"},       {0, C::Value, "-5", "0"},
      {0, C::Value, "007x", "007x"}, {0, C::Kfb, "901", "900"},        {0, C::Kfb, "", ""},
      {0, C::Bfr, "800", "800"},    {0, C::Vbr, "101", "100"},         {0, C::MinQp, "", "1"},
      {0, C::MaxQp, "60", "51"},    {0, C::QpStep, "0", "1"},          {0, C::Vbs, "240001", "240000"},
      {0, C::Vmb, "8001", "8000"},  {0, C::Bv, "2000", "1000"},        {0, C::Bv, "5", "10"},
      {0, C::Sct, "101", "100"},    {0, C::Vib, "1.5", "1"},           {0, C::Vib, "-0.1", "0"},
      {0, C::Vib, "0.25", "0.25"},  {0, C::Range, "65", "64"},         {0, C::Ref, "17", "16"},
      {0, C::Threads, "5", "4"},    {0, C::Threads, "0", "0"},         {0, C::MaxB, "20", "16"},
      {0, C::MaxGop, "-1", "-1"},  {0, C::Value, "1200", "1200"},     {2, C::Value, nullptr, "51"},
  };
  for (const Case& c : cases) {
    Choose(ControlId::Mode, c.mode);
    if (c.typed) Type(c.field, c.typed);
    EXPECT_EQ(form_.Text(c.field), c.shown) << "mode " << c.mode << ", " << ControlName(c.field) << " "
                                            << (c.typed ? c.typed : "unchanged");
  }
  // The bitrate variance checks leave the VBV maximum alone.
  Choose(ControlId::Mode, 0);
  Type(ControlId::Vmb, "9");
  Type(ControlId::Bv, "2000");
  Type(ControlId::Bv, "5");
  EXPECT_EQ(form_.Text(ControlId::Vmb), "9");
}

TEST_F(DispatchTest, EachFieldIsCheckedOnlyOnTheEventsOfItsRow) {
  Choose(ControlId::Mode, 0);
  // The rate value is checked on a text change alone; the rate-control
  // fields on any event, focus loss included.
  form_.SetText(ControlId::Value, "9999");
  form_.SetText(ControlId::Kfb, "999");
  form_.ClearEvents();
  Leave(ControlId::Value);
  Leave(ControlId::Kfb);
  EXPECT_EQ(form_.Text(ControlId::Value), "9999");
  EXPECT_EQ(form_.Text(ControlId::Kfb), "900");
}

TEST_F(DispatchTest, TheBiasSliderAndFieldFollowEachOther) {
  Slide(ControlId::BiasSlider, 0);
  EXPECT_EQ(form_.Text(ControlId::Bias), "-100");
  Type(ControlId::Bias, "250");
  EXPECT_EQ(form_.Number(ControlId::BiasSlider), 0);  // typing alone moves nothing
  Leave(ControlId::Bias);
  EXPECT_EQ(form_.Number(ControlId::BiasSlider), 200);
  Type(ControlId::Bias, "-30");
  Leave(ControlId::Bias);
  EXPECT_EQ(form_.Number(ControlId::BiasSlider), 70);
}

TEST_F(DispatchTest, EveryDriverUpdatesItsDependents) {
  enum Kind { Click, Choose, Slide, Type };
  // One thing a user does to one control, and what a dependent shows then; how
  // each rule treats all its dependents is the rules' own tests' part.
  struct Case {
    Kind kind;
    ControlId id;
    int number;        // Choose, Slide
    const char* text;  // Type
    std::vector<std::pair<ControlId, bool>> enabled;
    std::vector<std::pair<ControlId, const char*>> texts;
  };
  using C = ControlId;
  const Case cases[] = {
      {Click, C::A1, 0, "", {{C::A5, false}}, {}},
      {Click, C::A2, 0, "", {{C::A4, false}}, {}},
      {Choose, C::Subpel, 3, "", {{C::ChromaMe, false}}, {}},
      {Choose, C::Method, 2, "", {{C::Range, true}}, {}},
      {Type, C::Ref, 0, "2", {{C::MixedRefs, true}}, {}},
      {Click, C::Cabac, 0, "", {{C::TrellisLabel, false}}, {}},
      {Click, C::Audio, 0, "", {{C::AudioBitrate, true}}, {}},
      {Choose, C::AudioEncoder, 6, "", {}, {{C::AudioUnit, "Quality"}}},
      {Slide, C::Strength, 0, "", {}, {{C::StrengthValue, "-6"}}},
      {Slide, C::Threshold, 12, "", {}, {{C::ThresholdValue, "6"}}},
      {Type, C::MaxB, 0, "1", {{C::BRef, false}, {C::BMe, true}}, {}},
      {Click, C::CreateLog, 0, "", {{C::Log, false}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(ControlName(c.id)) + " " + std::to_string(c.number) + " " + c.text);
    switch (c.kind) {
      case Click: UiTest::Click(c.id); break;
      case Choose: UiTest::Choose(c.id, c.number); break;
      case Slide: UiTest::Slide(c.id, c.number); break;
      case Type: UiTest::Type(c.id, c.text); break;
    }
    for (const auto& [id, on] : c.enabled) EXPECT_EQ(form_.Enabled(id), on) << ControlName(id);
    for (const auto& [id, text] : c.texts) EXPECT_EQ(form_.Text(id), text) << ControlName(id);
  }
}

TEST_F(DispatchTest, JobButtonsReachTheJobList) {
  const std::pair<ControlId, Lines> cases[] = {{ControlId::JobUp, {"b", "a", "c"}},
                                               {ControlId::JobDown, {"a", "c", "b"}},
                                               {ControlId::JobDelete, {"a", "c"}},
                                               {ControlId::JobClear, {}},
                                               {ControlId::JobShut, {"a", "b", "c", "shutdown.exe -s -f -t 30"}}};
  for (const auto& [button, lines] : cases) {
    SetJobLines({"a", "b", "c"}, 1);
    Click(button);
    EXPECT_EQ(form_.Items(ControlId::JobList), lines) << ControlName(button);
  }
  // Without a selection the buttons that work on one change nothing and ask nothing.
  for (ControlId button : {ControlId::JobDelete, ControlId::JobEdit, ControlId::JobView, ControlId::JobUp,
                           ControlId::JobDown}) {
    SetJobLines({"a", "b", "c"}, -1);
    Click(button);
    EXPECT_EQ(form_.Items(ControlId::JobList), (Lines{"a", "b", "c"})) << ControlName(button);
  }
  EXPECT_TRUE(fake_.dialogs.calls.empty());
}

TEST_F(DispatchTest, AddTurnsTheJobFieldsIntoLines) {
  fake_.dialogs.paths.push_back("D:\\v\\clip.avs");
  Click(ControlId::InputBrowse);
  EXPECT_EQ(form_.Text(ControlId::Output), "D:\\v\\clip.mp4");
  Click(ControlId::Add);
  ASSERT_GE(form_.ItemCount(ControlId::JobList), 4);
  EXPECT_EQ(form_.Item(ControlId::JobList, 0), "@echo Input:D:\\v\\clip.avs");
  EXPECT_EQ(form_.Text(ControlId::Input), "");
}

TEST_F(DispatchTest, LoadDefaultRestoresTheBuiltInSettingsAndControlsWithoutARowAreIgnored) {
  Type(ControlId::Kfb, "5");
  Choose(ControlId::Mode, 6);
  Click(ControlId::LoadDefault);
  EXPECT_EQ(form_.Text(ControlId::Kfb), "40");
  EXPECT_EQ(form_.Number(ControlId::Mode), 1);

  fake_.dialogs.calls.clear();
  Type(ControlId::Input, "x");
  Click(ControlId::Banner);
  EXPECT_TRUE(fake_.dialogs.calls.empty());
  EXPECT_FALSE(app_.quit);
}

}  // namespace
}  // namespace qv
