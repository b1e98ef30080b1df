#include <optional>
#include <string>

#include "ui_fixture.h"

namespace qv {
namespace {

using Call = platform::FakeDialogs::Call;

class DialogsTest : public UiTest {
 protected:
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

class CalcTest : public DialogsTest, public testing::WithParamInterface<CalcCase> {};

TEST_P(CalcTest, AsksTheLibraryForTheVideoBitrate) {
  const CalcCase& c = GetParam();
  if (c.library) fake_.libraries.present.insert("rateplan.dll");
  if (c.result) fake_.libraries.results["rateplan"] = *c.result;
  Start();
  Choose(ControlId::Mode, 0);
  Type(ControlId::Value, "1200");
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

TEST_F(DialogsTest, FilePickersOfferTheFieldsTextAndCancelKeepsIt) {
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
  // No answer queued: every picker is cancelled.
  const std::pair<ControlId, ControlId> pickers[] = {{ControlId::StatsBrowse, ControlId::Stats},
                                                     {ControlId::LogBrowse, ControlId::Log},
                                                     {ControlId::InputBrowse, ControlId::Input},
                                                     {ControlId::OutputBrowse, ControlId::Output}};
  for (const auto& [button, field] : pickers) {
    form_.SetText(field, "kept");
    fake_.dialogs.calls.clear();
    Click(button);
    EXPECT_EQ(fake_.dialogs.calls.size(), 1u) << ControlName(button);
    EXPECT_EQ(form_.Text(field), "kept") << ControlName(button);
  }
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

TEST_F(DialogsTest, EditAndViewWorkOnTheSelectedLine) {
  using Lines = std::vector<std::string>;
  Start();
  SetJobLines({"a", "x264.exe --crf 20", "c"}, 1);
  Click(ControlId::JobView);
  const Call view = OnlyCall();
  EXPECT_EQ(view.kind, "message");
  EXPECT_EQ(view.title, "The command line parameter is:");
  EXPECT_EQ(view.defaultName, "x264.exe --crf 20");

  fake_.dialogs.calls.clear();
  fake_.dialogs.edits.push_back(std::string("B!"));
  Click(ControlId::JobEdit);
  const Call& edit = OnlyCall();
  EXPECT_EQ(edit.kind, "edit");
  EXPECT_EQ(edit.title, "Edit");
  EXPECT_EQ(edit.filter, "For expert only!");
  EXPECT_EQ(edit.defaultName, "x264.exe --crf 20");
  EXPECT_EQ(form_.Items(ControlId::JobList), (Lines{"a", "B!", "c"}));
  EXPECT_EQ(form_.Selection(ControlId::JobList), 1);

  Click(ControlId::JobEdit);  // no answer queued: cancelled
  EXPECT_EQ(form_.Items(ControlId::JobList), (Lines{"a", "B!", "c"}));
  fake_.dialogs.edits.push_back(std::string());
  Click(ControlId::JobEdit);  // OK on an emptied line
  EXPECT_EQ(form_.Items(ControlId::JobList), (Lines{"a", "", "c"}));
}

// A failure that must be shown in exactly one message box naming each path.
struct ReportCase {
  const char* name;
  void (*arrange)(platform::FakePlatform&, Form&);
  ControlId button;
  std::vector<std::string> named;
  void (*check)(const platform::FakePlatform&);
  const char* picked = nullptr;  // the path the file picker answers, if any
};

class ReportTest : public DialogsTest, public testing::WithParamInterface<ReportCase> {};

TEST_P(ReportTest, NamesWhatFailedInOneMessage) {
  const ReportCase& c = GetParam();
  Start();
  c.arrange(fake_, form_);
  fake_.dialogs.answers.push_back(true);  // yes to saving a named configuration
  if (c.picked) fake_.dialogs.paths.push_back(c.picked);
  Click(c.button);
  int messages = 0;
  for (const Call& call : fake_.dialogs.calls) {
    if (call.kind != "message") continue;
    ++messages;
    for (const std::string& path : c.named) EXPECT_NE(call.defaultName.find(path), std::string::npos) << path;
  }
  EXPECT_EQ(messages, 1);
  if (c.check) c.check(fake_);
}

using P = platform::FakePlatform;
using F = Form;
INSTANTIATE_TEST_SUITE_P(
    Failures, ReportTest,
    testing::Values(
        ReportCase{"ConfigSave",
                   [](P& p, F& f) {
                     p.files.MakeFolderUnwritable("C:\\Q\\configs");
                     f.SetText(ControlId::ConfigName, "mine");
                   },
                   ControlId::SaveConfig, {"C:\\Q\\configs\\mine.ini"}, nullptr},
        ReportCase{"RefusedConfigName", [](P&, F& f) { f.SetText(ControlId::ConfigName, "..\\evil"); },
                   ControlId::SaveConfig, {"..\\evil"},
                   [](const P& p) { EXPECT_EQ(p.files.Files(), std::vector<std::string>{}); }},
        ReportCase{"BatchWrite",
                   [](P& p, F&) { p.files.AddFolder("D:\\jobs"); p.files.MakeFolderUnwritable("D:\\jobs"); },
                   ControlId::JobMakeBat, {"D:\\jobs\\run.bat"}, nullptr, "D:\\jobs\\run"},
        ReportCase{"BatchStart", [](P& p, F&) { p.processes.startFails = true; }, ControlId::JobStart,
                   {"C:\\Q\\temp"}, [](const P& p) { EXPECT_TRUE(p.processes.idled.empty()); }},
        ReportCase{"StateFileAtBatchStart", [](P& p, F&) { p.files.MakeReadOnly("C:\\Q\\quorvelan.ini"); },
                   ControlId::JobStart, {"C:\\Q\\quorvelan.ini"},
                   [](const P& p) { EXPECT_EQ(p.processes.started.size(), 1u); }},
        ReportCase{"WrapperScript", [](P& p, F&) { p.files.MakeFolderUnwritable("C:\\Q\\avs"); },
                   ControlId::InputBrowse, {"C:\\Q\\avs\\clip.mkv.avs"}, nullptr, "D:\\v\\clip.mkv"},
        ReportCase{"FilesInputWrappers",
                   [](P& p, F&) {
                     p.files.MakeFolderUnwritable("C:\\Q\\avs");
                     p.dialogs.pathLists.push_back({"D:\\v\\a.mkv", "D:\\v\\b.avs", "D:\\v\\c.mp4"});
                   },
                   ControlId::FilesInput, {"C:\\Q\\avs\\a.mkv.avs", "C:\\Q\\avs\\c.mp4.avs"}, nullptr, "E:\\out"}),
    [](const testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.name); });

TEST_F(DialogsTest, DeclinedEmptyOrSuccessfulSavesSayNothing) {
  Start();
  for (const auto& [name, yes] : {std::pair{"mine", false}, {"", true}, {"mine", true}}) {
    form_.SetText(ControlId::ConfigName, name);
    fake_.dialogs.answers.push_back(yes);
    Click(ControlId::SaveConfig);
  }
  EXPECT_TRUE(fake_.files.FileExists("C:\\Q\\configs\\mine.ini"));
  for (const Call& call : fake_.dialogs.calls) EXPECT_NE(call.kind, "message");
}

}  // namespace
}  // namespace qv
