#include <string>

#include "settings/config_io.h"
#include "ui_fixture.h"

namespace qv {
namespace {

using StartUpTest = UiTest;

TEST_F(StartUpTest, FirstStartCreatesTheFoldersAndShowsTheBuiltInDefaults) {
  Start();
  for (const char* folder : {"avs", "stats", "configs", "log", "avsinc"}) {
    EXPECT_TRUE(fake_.files.FolderExists(std::string("C:\\Q\\") + folder)) << folder;
  }
  EXPECT_FALSE(fake_.files.FileExists("C:\\Q\\default.ini"));
  EXPECT_EQ(fake_.libraries.loaded, std::vector<std::string>{"rateplan.dll"});

  struct Expected {
    ControlId id;
    int number;
  };
  const Expected numbers[] = {
      {ControlId::Mode, 1},      {ControlId::DirectMode, 0}, {ControlId::Trellis, 0},
      {ControlId::Strength, 6},  {ControlId::Threshold, 6},  {ControlId::FastPSkip, 1},
      {ControlId::DctDecimate, 1}, {ControlId::CreateLog, 1}, {ControlId::UpdateStats, 1},
      {ControlId::ChromaMe, 1},  {ControlId::BiasSlider, 100},
  };
  for (const Expected& e : numbers) EXPECT_EQ(form_.Number(e.id), e.number) << ControlName(e.id);

  struct ExpectedText {
    ControlId id;
    const char* text;
  };
  const ExpectedText texts[] = {
      {ControlId::Value, "26"},      {ControlId::Matrix, "flat"},   {ControlId::Vib, "0.9"},
      {ControlId::Bv, "100"},        {ControlId::Auto1pCrf, "16"},  {ControlId::MaxSize, "110"},
      {ControlId::MinSize, "90"},    {ControlId::IncludeScript, ""}, {ControlId::AudioBitrate, "64"},
      {ControlId::Kfb, "40"},        {ControlId::RateCaption, "Quantizer"},
  };
  for (const ExpectedText& e : texts) EXPECT_EQ(form_.Text(e.id), e.text) << ControlName(e.id);

  // Mode 1: every quantizer limit off, no calculator; the log path on.
  EXPECT_FALSE(form_.Enabled(ControlId::MinQp));
  EXPECT_FALSE(form_.Visible(ControlId::Calc));
  EXPECT_TRUE(form_.Enabled(ControlId::Log));
  EXPECT_FALSE(form_.HasEvents());
}

TEST_F(StartUpTest, TheStateFileIsLoadedAndItsFieldsCheckedAsTheLoopWould) {
  fake_.files.AddFile("C:\\Q\\quorvelan.ini", "mode = 0\r\nvalue = 1200\r\nbv = 5\r\nvbs = 999999\r\n");
  fake_.files.AddFile("C:\\Q\\configs\\fast.ini", "");
  Start();
  EXPECT_EQ(form_.Number(ControlId::Mode), 0);
  EXPECT_EQ(form_.Text(ControlId::Value), "1200");
  EXPECT_TRUE(form_.Visible(ControlId::Calc));
  // Loading has no bounds for these two; the form's own checks bring them in.
  EXPECT_EQ(form_.Text(ControlId::Bv), "10");
  EXPECT_EQ(form_.Text(ControlId::Vbs), "240000");
  EXPECT_EQ(form_.Items(ControlId::ConfigName), std::vector<std::string>{"fast"});
}

TEST_F(StartUpTest, CancelEndsTheLoopAndShutDownSavesTheStateFile) {
  Start();
  Type(ControlId::Kfb, "55");
  form_.UserClick(ControlId::Cancel);
  form_.UserType(ControlId::MinQp, "");  // after the window closed: never handled
  RunPendingEvents(app_);
  EXPECT_TRUE(app_.quit);
  EXPECT_EQ(form_.Text(ControlId::MinQp), "");

  ASSERT_TRUE(ShutDown(app_));
  const auto saved = fake_.files.ReadFile("C:\\Q\\quorvelan.ini");
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(*saved, ConfigText(form_));
  EXPECT_NE(saved->find("kfb = 55\r\n"), std::string::npos);
}

TEST_F(StartUpTest, ShutDownTellsWhenTheStateFileCannotBeWritten) {
  Start();
  fake_.files.MakeReadOnly("C:\\Q\\quorvelan.ini");
  EXPECT_FALSE(ShutDown(app_));
}

}  // namespace
}  // namespace qv
