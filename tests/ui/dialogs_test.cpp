#include <optional>
#include <ostream>
#include <string>

#include "ui_fixture.h"

namespace qv {
namespace {

using Call = platform::FakeDialogs::Call;

class DialogsTest : public UiTest {
 protected:
  void StartInBitrateMode() {
    Start();
    Choose(ControlId::Mode, 0);
    Type(ControlId::Value, "1200");
  }
  const Call& OnlyCall() const {
    EXPECT_EQ(fake_.dialogs.calls.size(), 1u);
    return fake_.dialogs.calls.front();
  }
};

struct CalcCase {
  const char* name;
  bool library;
  std::optional<int> result;  // what the export returns; nullopt: no such export
  bool audio;
  const char* audioBitrate;
  int passedAudio;  // first argument seen by the export; -1: never called
  const char* value;
};

void PrintTo(const CalcCase& c, std::ostream* os) { *os << c.name; }

class CalcTest : public DialogsTest, public testing::WithParamInterface<CalcCase> {};

TEST_P(CalcTest, AsksTheLibraryForTheVideoBitrate) {
  const CalcCase& c = GetParam();
  if (c.library) fake_.libraries.present.insert("rateplan.dll");
  if (c.result) fake_.libraries.results["rateplan"] = *c.result;
  StartInBitrateMode();
  if (c.audio) Click(ControlId::Audio);
  Type(ControlId::AudioBitrate, c.audioBitrate);
  fake_.clipboard.texts.push_back("before");

  Click(ControlId::Calc);

  EXPECT_EQ(fake_.clipboard.texts.back(), "");
  EXPECT_EQ(form_.Text(ControlId::Value), c.value);
  if (c.passedAudio < 0) {
    EXPECT_TRUE(fake_.libraries.calls.empty());
  } else {
    ASSERT_EQ(fake_.libraries.calls.size(), 1u);
    EXPECT_EQ(fake_.libraries.calls[0], std::make_pair(c.passedAudio, 0));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Calc, CalcTest,
    testing::Values(CalcCase{"NoLibrary", false, std::nullopt, false, "64", -1, "0"},
                    CalcCase{"NoExport", true, std::nullopt, false, "64", -1, "0"},
                    CalcCase{"AudioOffPassesZero", true, 1500, false, "128", 0, "1500"},
                    CalcCase{"AudioOnPassesItsRate", true, 1400, true, "128kbit", 128, "1400"},
                    CalcCase{"CancelledKeepsTheField", true, -1, true, "96", 96, "1200"},
                    CalcCase{"AboveTheModesBound", true, 9000, false, "64", 0, "8000"}),
    [](const testing::TestParamInfo<CalcCase>& info) { return std::string(info.param.name); });

TEST_F(DialogsTest, TheStatisticsAndLogPickersOfferTheFieldsText) {
  struct Case {
    int mode;
    ControlId button, field;
    const char* kind;
    const char* filter;
  };
  const char* const stats = "Statsfile (*.stat)|*.stat";
  const Case cases[] = {
      {4, ControlId::StatsBrowse, ControlId::Stats, "open", stats},  // the fast first pass reads it
      {5, ControlId::StatsBrowse, ControlId::Stats, "save", stats},
      {3, ControlId::StatsBrowse, ControlId::Stats, "save", stats},
      {3, ControlId::LogBrowse, ControlId::Log, "save", "Log file (*.txt)|*.txt"},
  };
  Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(ControlName(c.button)) + " in mode " + std::to_string(c.mode));
    Choose(ControlId::Mode, c.mode);
    form_.SetText(c.field, "C:\\Q\\old");
    fake_.dialogs.calls.clear();
    fake_.dialogs.paths.push_back("D:\\new");
    Click(c.button);
    const Call& call = OnlyCall();
    EXPECT_EQ(call.kind, c.kind);
    EXPECT_EQ(call.title, "");
    EXPECT_EQ(call.defaultName, "C:\\Q\\old");
    EXPECT_EQ(call.filter, c.filter);
    EXPECT_EQ(form_.Text(c.field), "D:\\new");
  }
}

TEST_F(DialogsTest, CancelledFilePickersLeaveTheirFields) {
  Start();
  Choose(ControlId::Mode, 5);
  form_.SetText(ControlId::Stats, "a.stat");
  form_.SetText(ControlId::Log, "b.txt");
  form_.SetText(ControlId::Input, "c.avs");
  form_.SetText(ControlId::Output, "d.mp4");
  for (ControlId button : {ControlId::StatsBrowse, ControlId::LogBrowse, ControlId::InputBrowse,
                           ControlId::OutputBrowse}) {
    Click(button);
  }
  EXPECT_EQ(fake_.dialogs.calls.size(), 4u);
  EXPECT_EQ(form_.Text(ControlId::Stats), "a.stat");
  EXPECT_EQ(form_.Text(ControlId::Log), "b.txt");
  EXPECT_EQ(form_.Text(ControlId::Input), "c.avs");
  EXPECT_EQ(form_.Text(ControlId::Output), "d.mp4");
}

TEST_F(DialogsTest, TheMatrixPickerRunsOnlyForCustom) {
  Start();
  const int custom = 2;
  ASSERT_EQ(form_.Item(ControlId::Matrix, custom), "custom...");

  fake_.dialogs.paths.push_back("C:\\m\\a.cfg");
  Choose(ControlId::Matrix, custom);
  const Call& call = OnlyCall();
  EXPECT_EQ(call.kind, "open");
  EXPECT_EQ(call.title, "Select a matrix file");
  EXPECT_EQ(call.defaultName, "");
  EXPECT_EQ(call.filter, "*.*|*.*");
  EXPECT_EQ(form_.Text(ControlId::Matrix), "\"C:\\m\\a.cfg\"");

  Type(ControlId::Matrix, "custom...");  // typed rather than chosen, then cancelled
  EXPECT_EQ(form_.Text(ControlId::Matrix), "flat");

  fake_.dialogs.calls.clear();
  Choose(ControlId::Matrix, 1);
  Type(ControlId::Matrix, "custom");
  EXPECT_TRUE(fake_.dialogs.calls.empty());
  EXPECT_EQ(form_.Text(ControlId::Matrix), "custom");
}

TEST_F(DialogsTest, EditReplacesTheSelectedLineAndCancelKeepsIt) {
  Start();
  SetJobLines({"a", "b", "c"}, 1);
  fake_.dialogs.edits.push_back(std::string("B!"));
  Click(ControlId::JobEdit);
  const Call& call = OnlyCall();
  EXPECT_EQ(call.kind, "edit");
  EXPECT_EQ(call.title, "Edit");
  EXPECT_EQ(call.filter, "For expert only!");
  EXPECT_EQ(call.defaultName, "b");
  EXPECT_EQ(form_.Items(ControlId::JobList), (std::vector<std::string>{"a", "B!", "c"}));
  EXPECT_EQ(form_.Selection(ControlId::JobList), 1);

  Click(ControlId::JobEdit);  // no answer queued: cancelled
  EXPECT_EQ(form_.Items(ControlId::JobList), (std::vector<std::string>{"a", "B!", "c"}));

  fake_.dialogs.edits.push_back(std::string());
  Click(ControlId::JobEdit);  // OK on an emptied line
  EXPECT_EQ(form_.Items(ControlId::JobList), (std::vector<std::string>{"a", "", "c"}));
}

TEST_F(DialogsTest, ViewShowsTheSelectedLine) {
  Start();
  SetJobLines({"first", "x264.exe --crf 20"}, 1);
  Click(ControlId::JobView);
  const Call& call = OnlyCall();
  EXPECT_EQ(call.kind, "message");
  EXPECT_EQ(call.title, "The command line parameter is:");
  EXPECT_EQ(call.defaultName, "x264.exe --crf 20");
}

// The one message box shown, which must name `path`.
void ExpectReported(const platform::FakeDialogs& dialogs, const std::string& path) {
  int messages = 0;
  for (const Call& call : dialogs.calls) {
    if (call.kind != "message") continue;
    ++messages;
    EXPECT_NE(call.defaultName.find(path), std::string::npos) << call.defaultName;
  }
  EXPECT_EQ(messages, 1);
}

TEST_F(DialogsTest, FailedSaveOfANamedConfigIsReported) {
  Start();
  fake_.files.MakeFolderUnwritable("C:\\Q\\configs");
  form_.SetText(ControlId::ConfigName, "mine");
  fake_.dialogs.answers.push_back(true);
  Click(ControlId::SaveConfig);
  ExpectReported(fake_.dialogs, "C:\\Q\\configs\\mine.ini");
}

TEST_F(DialogsTest, ARefusedConfigNameIsReported) {
  Start();
  form_.SetText(ControlId::ConfigName, "..\\evil");
  fake_.dialogs.answers.push_back(true);
  Click(ControlId::SaveConfig);
  ExpectReported(fake_.dialogs, "..\\evil");
  EXPECT_EQ(fake_.files.Files(), std::vector<std::string>{});
}

TEST_F(DialogsTest, DeclinedEmptyOrSuccessfulSavesSayNothing) {
  Start();
  struct Case {
    const char* name;
    bool yes;
  };
  for (const Case& c : {Case{"mine", false}, Case{"", true}, Case{"mine", true}}) {
    form_.SetText(ControlId::ConfigName, c.name);
    fake_.dialogs.answers.push_back(c.yes);
    Click(ControlId::SaveConfig);
  }
  EXPECT_TRUE(fake_.files.FileExists("C:\\Q\\configs\\mine.ini"));
  for (const Call& call : fake_.dialogs.calls) EXPECT_NE(call.kind, "message");
}

TEST_F(DialogsTest, FailedBatchWriteIsReported) {
  Start();
  fake_.files.AddFolder("D:\\jobs");
  fake_.files.MakeFolderUnwritable("D:\\jobs");
  fake_.dialogs.paths.push_back("D:\\jobs\\run");
  Click(ControlId::JobMakeBat);
  ExpectReported(fake_.dialogs, "D:\\jobs\\run.bat");
}

TEST_F(DialogsTest, ABatchThatCannotStartIsReported) {
  Start();
  fake_.processes.startFails = true;
  Click(ControlId::JobStart);
  ExpectReported(fake_.dialogs, "C:\\Q\\temp");
  EXPECT_TRUE(fake_.processes.idled.empty());
}

TEST_F(DialogsTest, AnUnsavedStateFileIsReportedWhenTheBatchStarts) {
  Start();
  fake_.files.MakeReadOnly("C:\\Q\\quorvelan.ini");
  Click(ControlId::JobStart);
  EXPECT_EQ(fake_.processes.started.size(), 1u);
  ExpectReported(fake_.dialogs, "C:\\Q\\quorvelan.ini");
}

TEST_F(DialogsTest, AnUnwrittenWrapperScriptIsReported) {
  Start();
  fake_.files.MakeFolderUnwritable("C:\\Q\\avs");
  fake_.dialogs.paths.push_back("D:\\v\\clip.mkv");
  Click(ControlId::InputBrowse);
  ExpectReported(fake_.dialogs, "C:\\Q\\avs\\clip.mkv.avs");
}

TEST_F(DialogsTest, FilesInputNamesEveryUnwrittenWrapperInOneMessage) {
  Start();
  fake_.files.MakeFolderUnwritable("C:\\Q\\avs");
  fake_.dialogs.paths.push_back("E:\\out");
  fake_.dialogs.pathLists.push_back({"D:\\v\\a.mkv", "D:\\v\\b.avs", "D:\\v\\c.mp4"});
  Click(ControlId::FilesInput);
  ExpectReported(fake_.dialogs, "C:\\Q\\avs\\a.mkv.avs");
  ExpectReported(fake_.dialogs, "C:\\Q\\avs\\c.mp4.avs");
}

}  // namespace
}  // namespace qv
