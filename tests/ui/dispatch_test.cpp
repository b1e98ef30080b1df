#include <functional>
#include <string>

#include "ui/dispatch_table.h"
#include "ui_fixture.h"

namespace qv {
namespace {

class DispatchTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    Start();
  }
};

struct TypedCase {
  int mode;
  ControlId field;
  const char* typed;
  const char* shown;
};

TEST_F(DispatchTest, TypedValuesAreKeptWithinTheFormBounds) {
  const TypedCase cases[] = {
      {1, ControlId::Value, "60", "51"},       {2, ControlId::Value, "52", "51"},
      {0, ControlId::Value, "9000", "8000"},   {8, ControlId::Value, "900", "900"},
      {1, ControlId::Value, "abc", "abc"},     {0, ControlId::Value, "-5", "0"},
      {0, ControlId::Value, "007x", "007x"},   {0, ControlId::Kfb, "901", "900"},
      {0, ControlId::Kfb, "", ""},             {0, ControlId::Bfr, "800", "800"},
      {0, ControlId::Vbr, "101", "100"},       {0, ControlId::MinQp, "", "1"},
      {0, ControlId::MaxQp, "60", "51"},       {0, ControlId::QpStep, "0", "1"},
      {0, ControlId::Vbs, "240001", "240000"}, {0, ControlId::Vmb, "8001", "8000"},
      {0, ControlId::Bv, "2000", "1000"},      {0, ControlId::Bv, "5", "10"},
      {0, ControlId::Sct, "101", "100"},       {0, ControlId::Vib, "1.5", "1"},
      {0, ControlId::Vib, "-0.1", "0"},        {0, ControlId::Vib, "0.25", "0.25"},
      {0, ControlId::Range, "65", "64"},       {0, ControlId::Ref, "17", "16"},
      {0, ControlId::Threads, "5", "4"},       {0, ControlId::Threads, "0", "0"},
      {0, ControlId::MaxB, "20", "16"},        {0, ControlId::MaxGop, "-1", "-1"},
  };
  for (const TypedCase& c : cases) {
    Choose(ControlId::Mode, c.mode);
    Type(c.field, c.typed);
    EXPECT_EQ(form_.Text(c.field), c.shown) << "mode " << c.mode << ", " << ControlName(c.field) << " " << c.typed;
  }
}

TEST_F(DispatchTest, BitrateVarianceChecksLeaveTheVbvMaximumAlone) {
  Choose(ControlId::Mode, 0);
  Type(ControlId::Vmb, "9");
  Type(ControlId::Bv, "2000");
  Type(ControlId::Bv, "5");
  EXPECT_EQ(form_.Text(ControlId::Vmb), "9");
}

TEST_F(DispatchTest, ChangingTheModeChecksTheRateValueAgain) {
  Choose(ControlId::Mode, 0);
  Type(ControlId::Value, "1200");
  Choose(ControlId::Mode, 2);
  EXPECT_EQ(form_.Text(ControlId::Value), "51");
  EXPECT_EQ(form_.Text(ControlId::RateCaption), "Quantizer");
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

// One thing a user does to one control.
struct UserAction {
  enum Kind { Click, Choose, Slide, Type } kind;
  ControlId id;
  int number;        // Choose, Slide
  const char* text;  // Type
};

struct RuleCase {
  UserAction action;
  std::function<void(const Form&)> check;
};

TEST_F(DispatchTest, EveryDriverUpdatesItsDependents) {
  using A = UserAction;
  const RuleCase cases[] = {
      {{A::Click, ControlId::A1, 0, ""}, [](const Form& f) { EXPECT_FALSE(f.Enabled(ControlId::A5)); }},
      {{A::Click, ControlId::A2, 0, ""}, [](const Form& f) { EXPECT_FALSE(f.Enabled(ControlId::A4)); }},
      {{A::Choose, ControlId::Subpel, 3, ""}, [](const Form& f) { EXPECT_FALSE(f.Enabled(ControlId::ChromaMe)); }},
      {{A::Choose, ControlId::Method, 2, ""}, [](const Form& f) { EXPECT_TRUE(f.Enabled(ControlId::Range)); }},
      {{A::Type, ControlId::Ref, 0, "2"}, [](const Form& f) { EXPECT_TRUE(f.Enabled(ControlId::MixedRefs)); }},
      {{A::Type, ControlId::Ref, 0, "40"},
       [](const Form& f) {
         EXPECT_EQ(f.Text(ControlId::Ref), "16");
         EXPECT_TRUE(f.Enabled(ControlId::MixedRefs));
       }},
      {{A::Click, ControlId::Cabac, 0, ""},
       [](const Form& f) {
         EXPECT_FALSE(f.Enabled(ControlId::TrellisLabel));
         EXPECT_TRUE(f.Enabled(ControlId::Trellis));
       }},
      {{A::Click, ControlId::Audio, 0, ""}, [](const Form& f) { EXPECT_TRUE(f.Enabled(ControlId::AudioBitrate)); }},
      {{A::Choose, ControlId::AudioEncoder, 6, ""},
       [](const Form& f) { EXPECT_EQ(f.Text(ControlId::AudioUnit), "Quality"); }},
      {{A::Slide, ControlId::Strength, 0, ""}, [](const Form& f) { EXPECT_EQ(f.Text(ControlId::StrengthValue), "-6"); }},
      {{A::Slide, ControlId::Threshold, 12, ""},
       [](const Form& f) { EXPECT_EQ(f.Text(ControlId::ThresholdValue), "6"); }},
      {{A::Type, ControlId::MaxB, 0, "1"},
       [](const Form& f) {
         EXPECT_FALSE(f.Enabled(ControlId::BRef));
         EXPECT_FALSE(f.Enabled(ControlId::BWeighted));
         EXPECT_TRUE(f.Enabled(ControlId::BMe));
         EXPECT_TRUE(f.Enabled(ControlId::BAdapt));
       }},
      {{A::Click, ControlId::CreateLog, 0, ""},
       [](const Form& f) {
         EXPECT_FALSE(f.Enabled(ControlId::Log));
         EXPECT_FALSE(f.Enabled(ControlId::LogBrowse));
       }},
  };
  for (const RuleCase& c : cases) {
    const UserAction& a = c.action;
    SCOPED_TRACE(std::string(ControlName(a.id)) + " " + std::to_string(a.number) + " " + a.text);
    switch (a.kind) {
      case A::Click: Click(a.id); break;
      case A::Choose: Choose(a.id, a.number); break;
      case A::Slide: Slide(a.id, a.number); break;
      case A::Type: Type(a.id, a.text); break;
    }
    c.check(form_);
  }
}

TEST_F(DispatchTest, JobButtonsWithoutASelectionChangeNothing) {
  SetJobLines({"a", "b", "c"}, -1);
  for (ControlId button : {ControlId::JobDelete, ControlId::JobEdit, ControlId::JobView, ControlId::JobUp,
                           ControlId::JobDown}) {
    Click(button);
    EXPECT_EQ(form_.Items(ControlId::JobList), (std::vector<std::string>{"a", "b", "c"})) << ControlName(button);
  }
  EXPECT_TRUE(fake_.dialogs.calls.empty());
}

TEST_F(DispatchTest, JobButtonsReachTheJobList) {
  Click(ControlId::JobShut);
  Click(ControlId::JobShut);
  EXPECT_EQ(form_.Items(ControlId::JobList),
            (std::vector<std::string>{"shutdown.exe -s -f -t 30", "shutdown.exe -s -f -t 30"}));

  SetJobLines({"a", "b", "c"}, 1);
  Click(ControlId::JobUp);
  EXPECT_EQ(form_.Items(ControlId::JobList), (std::vector<std::string>{"b", "a", "c"}));
  SetJobLines({"a", "b", "c"}, 1);
  Click(ControlId::JobDown);
  EXPECT_EQ(form_.Items(ControlId::JobList), (std::vector<std::string>{"a", "c", "b"}));
  SetJobLines({"a", "b", "c"}, 1);
  Click(ControlId::JobDelete);
  EXPECT_EQ(form_.Items(ControlId::JobList), (std::vector<std::string>{"a", "c"}));
  Click(ControlId::JobClear);
  EXPECT_EQ(form_.ItemCount(ControlId::JobList), 0);
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

TEST_F(DispatchTest, LoadDefaultRestoresTheBuiltInSettings) {
  Type(ControlId::Kfb, "5");
  Choose(ControlId::Mode, 6);
  Click(ControlId::LoadDefault);
  EXPECT_EQ(form_.Text(ControlId::Kfb), "40");
  EXPECT_EQ(form_.Number(ControlId::Mode), 1);
}

TEST_F(DispatchTest, ControlsWithoutARowAreIgnored) {
  EXPECT_EQ(FindDispatchRow(ControlId::Tabs), nullptr);
  EXPECT_EQ(FindDispatchRow(ControlId::MinGop), nullptr);
  EXPECT_EQ(FindDispatchRow(ControlId::Input), nullptr);
  Type(ControlId::Input, "x");
  Click(ControlId::Banner);
  EXPECT_TRUE(fake_.dialogs.calls.empty());
  EXPECT_FALSE(app_.quit);
}

}  // namespace
}  // namespace qv
