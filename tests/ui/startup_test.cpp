#include <string>

#include "settings/config_io.h"
#include "ui_fixture.h"

namespace qv {
namespace {

using StartUpTest = UiTest;
using C = ControlId;

TEST_F(StartUpTest, FirstStartCreatesTheFoldersAndShowsTheBuiltInDefaults) {
  Start();
  for (const char* folder : {"avs", "stats", "configs", "log", "avsinc"}) {
    EXPECT_TRUE(fake_.files.FolderExists(std::string("C:\\Q\\") + folder)) << folder;
  }
  EXPECT_FALSE(fake_.files.FileExists("C:\\Q\\default.ini"));
  EXPECT_EQ(fake_.libraries.loaded, std::vector<std::string>{"rateplan.dll"});

  // The built-in text, not the values a missing key would give.
  EXPECT_EQ(form_.Number(C::Mode), 1);
  const std::pair<C, const char*> texts[] = {{C::Value, "26"}, {C::Kfb, "40"}, {C::AudioBitrate, "64"},
                                             {C::Matrix, "flat"}, {C::RateCaption, "Quantizer"}};
  for (const auto& [id, text] : texts) EXPECT_EQ(form_.Text(id), text) << ControlName(id);
  // Mode 1: every quantizer limit off, no calculator; the log path on.
  EXPECT_FALSE(form_.Enabled(C::MinQp));
  EXPECT_FALSE(form_.Visible(C::Calc));
  EXPECT_TRUE(form_.Enabled(C::Log));
  EXPECT_FALSE(form_.HasEvents());
}

TEST_F(StartUpTest, TheStateFileIsLoadedAndItsFieldsCheckedAsTheLoopWould) {
  fake_.files.AddFile("C:\\Q\\quorvelan.ini", "mode = 0\r\nvalue = 1200\r\nbv = 5\r\nvbs = 999999\r\n");
  fake_.files.AddFile("C:\\Q\\configs\\fast.ini", "");
  Start();
  EXPECT_EQ(form_.Number(C::Mode), 0);
  EXPECT_EQ(form_.Text(C::Value), "1200");
  EXPECT_TRUE(form_.Visible(C::Calc));
  // Loading has no bounds for these two; the form's own checks bring them in.
  EXPECT_EQ(form_.Text(C::Bv), "10");
  EXPECT_EQ(form_.Text(C::Vbs), "240000");
  EXPECT_EQ(form_.Items(C::ConfigName), std::vector<std::string>{"fast"});
}

TEST_F(StartUpTest, CancelEndsTheLoopAndShutDownSavesTheStateFileOrTellsItCouldNot) {
  Start();
  Type(C::Kfb, "55");
  form_.UserClick(C::Cancel);
  form_.UserType(C::MinQp, "");  // after the window closed: never handled
  RunPendingEvents(app_);
  EXPECT_TRUE(app_.quit);
  EXPECT_EQ(form_.Text(C::MinQp), "");

  ASSERT_TRUE(ShutDown(app_));
  const auto saved = fake_.files.ReadFile("C:\\Q\\quorvelan.ini");
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(*saved, ConfigText(form_));
  EXPECT_NE(saved->find("kfb = 55\r\n"), std::string::npos);

  fake_.files.MakeReadOnly("C:\\Q\\quorvelan.ini");
  EXPECT_FALSE(ShutDown(app_));
}

}  // namespace
}  // namespace qv
