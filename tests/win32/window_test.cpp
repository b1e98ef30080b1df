// The real window under test: every test starts quorvelan.exe from a fresh
// program folder and uses it through its controls and dialogs.

#include <gtest/gtest.h>

#include <cstdio>

#include "program_driver.h"
#include "ui/win32/control_ids.h"

namespace qvtest {
namespace {

using qv::ControlId;

enum PageIndex { kBitrate, kRateControl, kFrames, kMore, kJob };

const std::string kShutLine = "shutdown.exe -s -f -t 30";

class WindowTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(program.Start()) << "no window appeared"; }

  std::string File(const std::string& name) const { return program.Folder() + name; }

  // Replaces the selected job line through the "edit" requester.
  void EditJobLine(int index, const std::string& text) {
    program.Pick(ControlId::JobList, index);
    program.ClickOpeningDialog(ControlId::JobEdit);
    HWND dialog = program.WaitForDialog("Edit");
    ASSERT_NE(dialog, nullptr);
    program.TypeIntoDialog(FindWindowExA(dialog, nullptr, "Edit", nullptr), text);
    PostMessageA(FindWindowExA(dialog, nullptr, "Edit", nullptr), WM_KEYDOWN, VK_RETURN, 1);
    program.WaitUntilClosed(dialog);
  }

  ProgramDriver program;
};

std::string Header(const std::string& folder) {
  return "@cd /d \"" + folder + "\"\r\n@envprep.exe run\r\n@call envprep.bat\r\n@del envprep.bat\r\n";
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(WindowTest, FirstStartShowsTheBuiltInDefaultsOnEveryPage) {
  struct ShownText {
    ControlId id;
    const char* text;
  };
  const ShownText texts[] = {
      {ControlId::Value, "26"},          {ControlId::RangeHint, "Range 0~51"}, {ControlId::RateCaption, "Quantizer"},
      {ControlId::Kfb, "40"},            {ControlId::Bfr, "30"},               {ControlId::MaxQp, "51"},
      {ControlId::Vib, "0.9"},           {ControlId::Bv, "100"},               {ControlId::MaxB, "2"},
      {ControlId::Bias, "0"},            {ControlId::Range, "16"},             {ControlId::Ref, "1"},
      {ControlId::AudioBitrate, "64"},   {ControlId::AudioUnit, "Kbps"},       {ControlId::StrengthValue, "0"},
      {ControlId::Matrix, "flat"},       {ControlId::MinSize, "90"},
  };
  for (const ShownText& shown : texts) {
    program.ShowPageOf(shown.id);
    EXPECT_EQ(program.Text(shown.id), shown.text) << qv::ControlName(shown.id);
  }

  struct Picked {
    ControlId id;
    int index;
  };
  const Picked picks[] = {{ControlId::Mode, 1},         {ControlId::Subpel, 4}, {ControlId::Method, 1},
                          {ControlId::DirectMode, 0},   {ControlId::AudioEncoder, 1}, {ControlId::Muxer, 0},
                          {ControlId::Trellis, 0},      {ControlId::JobList, -1}};
  for (const Picked& pick : picks) {
    program.ShowPageOf(pick.id);
    EXPECT_EQ(program.Selection(pick.id), pick.index) << qv::ControlName(pick.id);
  }

  struct Switch {
    ControlId id;
    bool checked;
    bool enabled;
  };
  const Switch switches[] = {{ControlId::UpdateStats, true, false}, {ControlId::CreateLog, true, true},
                             {ControlId::A1, true, true},           {ControlId::A4, false, true},
                             {ControlId::ChromaMe, true, true},     {ControlId::MixedRefs, false, false},
                             {ControlId::Audio, false, true},       {ControlId::FastPSkip, true, true}};
  for (const Switch& s : switches) {
    program.ShowPageOf(s.id);
    EXPECT_EQ(program.Checked(s.id), s.checked) << qv::ControlName(s.id);
    EXPECT_EQ(program.Enabled(s.id), s.enabled) << qv::ControlName(s.id);
  }
  // Mode 1 is a constant quantizer: no bitrate limits, no calculator.
  for (ControlId id : {ControlId::Vbr, ControlId::MinQp, ControlId::Vbs, ControlId::Bv, ControlId::Stats,
                       ControlId::AudioBitrate, ControlId::Range}) {
    program.ShowPageOf(id);
    EXPECT_FALSE(program.Enabled(id)) << qv::ControlName(id);
  }
  program.ShowPage(kBitrate);
  for (ControlId id : {ControlId::Calc, ControlId::Auto1pCrf, ControlId::MinSize, ControlId::MaxSizeLabel}) {
    EXPECT_TRUE(program.Control(id) != nullptr) << qv::ControlName(id);
    EXPECT_FALSE(program.Visible(id)) << qv::ControlName(id);
  }
  EXPECT_TRUE(program.Visible(ControlId::Banner));
  program.ShowPage(kFrames);
  EXPECT_EQ(program.Position(ControlId::BiasSlider), 100);
  program.ShowPage(kMore);
  EXPECT_EQ(program.Position(ControlId::Strength), 6);

  for (const char* folder : {"avs", "stats", "configs", "log", "avsinc"}) {
    EXPECT_TRUE(FileExists(File(folder))) << folder;
  }
}

TEST_F(WindowTest, TheWindowIsFixedAtTheTopLeftAndShowsOnePageAtATime) {
  char title[64] = {};
  GetWindowTextA(program.Window(), title, sizeof(title));
  EXPECT_STREQ(title, "quorvelan");
  const LONG style = GetWindowLongA(program.Window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  RECT frame{}, client{};
  GetWindowRect(program.Window(), &frame);
  GetClientRect(program.Window(), &client);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(frame.left, 0);
  EXPECT_EQ(frame.top, 0);
  EXPECT_EQ(client.right, MulDiv(308, dpi, 96));
  EXPECT_EQ(client.bottom, MulDiv(359, dpi, 96));

  struct PageView {
    PageIndex page;
    const char* name;
    ControlId shown;
  };
  const PageView pages[] = {{kBitrate, "bitrate", ControlId::Value},
                            {kRateControl, "rate-control", ControlId::Kfb},
                            {kFrames, "mbs-frames", ControlId::MaxB},
                            {kMore, "more", ControlId::Ref},
                            {kJob, "job", ControlId::JobList}};
  if (!Options().screenshots.empty()) CreateDirectoryA(HostPath(Options().screenshots).c_str(), nullptr);
  for (const PageView& view : pages) {
    program.ShowPage(view.page);
    for (const PageView& other : pages) {
      EXPECT_EQ(program.Visible(other.shown), other.page == view.page) << view.name << " / " << qv::ControlName(other.shown);
    }
    EXPECT_TRUE(program.Visible(ControlId::Add));
    if (!Options().screenshots.empty()) {
      const std::string path = HostPath(Options().screenshots) + "\\" + std::to_string(view.page + 1) + "-" + view.name + ".png";
      EXPECT_TRUE(program.Screenshot(path)) << path;
    }
  }
}

TEST_F(WindowTest, TypedValuesAreCheckedAgainstTheModeAndTheLimits) {
  program.Type(ControlId::Value, "60");
  EXPECT_EQ(program.Text(ControlId::Value), "51");

  program.Pick(ControlId::Mode, 0);
  EXPECT_EQ(program.Text(ControlId::RangeHint), "Range 0~8000");
  EXPECT_TRUE(program.Visible(ControlId::Calc));
  program.Type(ControlId::Value, "1200");
  EXPECT_EQ(program.Text(ControlId::Value), "1200");
  program.Pick(ControlId::Mode, 2);
  EXPECT_EQ(program.Text(ControlId::Value), "51");

  program.Pick(ControlId::Mode, 13);
  for (ControlId id : {ControlId::MinSize, ControlId::MaxSize, ControlId::MinSizeLabel, ControlId::Auto1pCrf}) {
    EXPECT_TRUE(program.Visible(id)) << qv::ControlName(id);
  }
  EXPECT_FALSE(program.Visible(ControlId::Banner));
  program.Pick(ControlId::Mode, 12);
  EXPECT_FALSE(program.Visible(ControlId::MinSize));
  EXPECT_FALSE(program.Visible(ControlId::Auto1pCrf));
  EXPECT_TRUE(program.Visible(ControlId::Banner));

  // Without the calculator library "Calc" gives 0.
  program.Pick(ControlId::Mode, 0);
  program.Click(ControlId::Calc);
  EXPECT_EQ(program.Text(ControlId::Value), "0");

  // A page shown for the first time shows what the rules made of it.
  program.ShowPage(kRateControl);
  EXPECT_TRUE(program.Enabled(ControlId::Vbr));
  struct Typed {
    ControlId id;
    const char* typed;
    const char* shown;
  };
  const Typed typed[] = {
      {ControlId::Bv, "2000", "1000"}, {ControlId::Bv, "5", "10"}, {ControlId::MinQp, "", "1"},
      {ControlId::Kfb, "", ""},        {ControlId::Kfb, "4a5", "45"},  // digits only: the letter is refused
      {ControlId::Vib, "1.5", "1"},
  };
  for (const Typed& t : typed) {
    program.Type(t.id, t.typed);
    EXPECT_EQ(program.Text(t.id), t.shown) << qv::ControlName(t.id) << " typed " << t.typed;
  }
}

TEST_F(WindowTest, BFramesAndTheBiasFollowTheirControls) {
  program.ShowPage(kFrames);
  program.Type(ControlId::MaxB, "20");
  EXPECT_EQ(program.Text(ControlId::MaxB), "16");
  EXPECT_TRUE(program.Enabled(ControlId::BWeighted));
  program.Type(ControlId::MaxB, "1");
  EXPECT_FALSE(program.Enabled(ControlId::BRef));
  EXPECT_FALSE(program.Enabled(ControlId::BWeighted));
  EXPECT_TRUE(program.Enabled(ControlId::BMe));

  // Three characters at most: -100 cannot be typed whole.
  program.Type(ControlId::Bias, "-100");
  EXPECT_EQ(program.Text(ControlId::Bias), "-10");
  program.Type(ControlId::Bias, "250");
  program.PressKey(program.Control(ControlId::Bias), VK_TAB);
  EXPECT_EQ(program.Position(ControlId::BiasSlider), 200);
  // Tab moves on to the next control that can take the focus ("Use as
  // references" is disabled with one B-frame).
  EXPECT_EQ(program.FocusedWindow(), program.Control(ControlId::BMe));

  program.PressKey(program.Control(ControlId::BiasSlider), VK_HOME);
  EXPECT_EQ(program.Position(ControlId::BiasSlider), 0);
  EXPECT_EQ(program.Text(ControlId::Bias), "-100");

  program.ShowPage(kMore);
  program.Click(ControlId::Audio);
  EXPECT_TRUE(program.Enabled(ControlId::AudioBitrate));
  program.Pick(ControlId::AudioEncoder, 6);
  EXPECT_EQ(program.Text(ControlId::AudioUnit), "Quality");
  program.Pick(ControlId::Subpel, 3);
  EXPECT_FALSE(program.Enabled(ControlId::ChromaMe));
  program.Type(ControlId::Ref, "3");
  EXPECT_TRUE(program.Enabled(ControlId::MixedRefs));
}

TEST_F(WindowTest, ANamedConfigIsSavedAndLoadedAgain) {
  program.Pick(ControlId::Mode, 0);
  program.Type(ControlId::Value, "1500");
  program.Type(ControlId::ConfigName, "mine");
  program.ClickOpeningDialog(ControlId::SaveConfig);
  HWND question = program.WaitForDialog("Save");
  ASSERT_NE(question, nullptr);
  EXPECT_TRUE(Contains(program.DialogText(question), "Are you sure?"));
  program.PressDialogButton(question, IDYES);

  const auto saved = ReadWholeFile(File("configs\\mine.ini"));
  ASSERT_TRUE(saved.has_value());
  EXPECT_TRUE(Contains(*saved, "\r\nvalue = 1500\r\n")) << *saved;
  EXPECT_EQ(program.Text(ControlId::ConfigName), "");
  EXPECT_EQ(program.Lines(ControlId::ConfigName), std::vector<std::string>{"mine"});

  program.Pick(ControlId::Mode, 1);
  EXPECT_EQ(program.Text(ControlId::Value), "51");
  program.Type(ControlId::ConfigName, "mine");
  program.Click(ControlId::LoadConfig);
  EXPECT_EQ(program.Selection(ControlId::Mode), 0);
  EXPECT_EQ(program.Text(ControlId::Value), "1500");
}

TEST_F(WindowTest, APickedInputIsAddedAndWrittenAsABatch) {
  CreateDirectoryA(File("media").c_str(), nullptr);
  const std::string input = File("media\\clip.avs");
  ASSERT_TRUE(WriteWholeFile(input, "Version()\r\n"));

  program.ClickOpeningDialog(ControlId::InputBrowse);
  HWND picker = program.WaitForDialog("");
  ASSERT_NE(picker, nullptr);
  program.AnswerFileDialog(picker, input);
  program.WaitUntilClosed(picker);
  EXPECT_EQ(program.Text(ControlId::Input), input);
  EXPECT_EQ(program.Text(ControlId::Output), File("media\\clip.mp4"));
  EXPECT_EQ(program.Text(ControlId::Stats), File("stats\\clip.avs.stat"));
  EXPECT_EQ(program.Text(ControlId::Log), File("log\\clip.avs.txt"));

  program.Click(ControlId::Add);
  EXPECT_EQ(program.Text(ControlId::Input), "");
  EXPECT_EQ(program.Text(ControlId::Output), "");

  program.ShowPage(kJob);
  program.ClickOpeningDialog(ControlId::JobMakeBat);
  HWND saver = program.WaitForDialog("");
  ASSERT_NE(saver, nullptr);
  program.AnswerFileDialog(saver, File("jobs.bat"));
  program.WaitUntilClosed(saver);

  const std::string folder = program.Folder();
  const std::string expected =
      Header(folder) + "@echo Input:" + input + "\r\n@echo Output:" + folder + "media\\clip.mp4\r\n" +
      "@echo Encode Mode:Single Pass - Quantizer\r\n" +
      "x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 "
      "--threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct \"temporal\" --b-bias 0 -w -q 26 --qpmin 10 --qpmax 51 "
      "--8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o \"" +
      folder + "media\\clip.mp4\" \"" + input + "\" 2>&1|teelog.exe \"" + folder + "log\\clip.avs.txt\"\r\n";
  const auto written = ReadWholeFile(File("jobs.bat"));
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(*written, expected);
}

TEST_F(WindowTest, FilesInputAddsAJobForEachChosenFile) {
  // The inputs lie in the program folder; the output folder is the one the
  // folder browser offers first.
  const std::vector<std::string> names{"a.avs", "b.avs", "c.avs"};
  std::string typed;
  for (const std::string& name : names) {
    ASSERT_TRUE(WriteWholeFile(File(name), "Version()\r\n"));
    typed += "\"" + name + "\" ";
  }
  program.ClickOpeningDialog(ControlId::FilesInput);
  HWND folderDialog = program.WaitForDialog("");
  ASSERT_NE(folderDialog, nullptr);
  program.PressDialogButton(folderDialog, IDOK);
  HWND files = program.WaitForDialog("Select some files");
  ASSERT_NE(files, nullptr);
  program.OpenFolderInFileDialog(files, program.Folder());
  program.AnswerFileDialog(files, typed);
  program.WaitUntilClosed(files);

  program.ShowPage(kJob);
  const std::vector<std::string> lines = program.Lines(ControlId::JobList);
  std::vector<std::string> inputs, outputs;
  for (const std::string& line : lines) {
    if (line.rfind("@echo Input:", 0) == 0) inputs.push_back(line.substr(12));
    if (line.rfind("@echo Output:", 0) == 0) outputs.push_back(line.substr(13));
  }
  EXPECT_EQ(inputs, (std::vector<std::string>{File("a.avs"), File("b.avs"), File("c.avs")}));
  ASSERT_EQ(outputs.size(), 3u);
  const std::string outputFolder = outputs[0].substr(0, outputs[0].size() - std::string("a.mp4").size());
  EXPECT_EQ(outputs, (std::vector<std::string>{outputFolder + "a.mp4", outputFolder + "b.mp4", outputFolder + "c.mp4"}));

  // The last line, reached with the keyboard, is the one "view" shows.
  ASSERT_FALSE(lines.empty());
  const int last = static_cast<int>(lines.size()) - 1;
  program.Pick(ControlId::JobList, last);
  EXPECT_EQ(program.Selection(ControlId::JobList), last);
  program.ClickOpeningDialog(ControlId::JobView);
  HWND view = program.WaitForDialog("The command line parameter is:");
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(Contains(program.DialogText(view), lines.back()));
  program.PressDialogButton(view, IDOK);
}

TEST_F(WindowTest, TheJobButtonsEditTheList) {
  program.ShowPage(kJob);
  program.Click(ControlId::JobShut);
  program.Click(ControlId::JobShut);
  EXPECT_EQ(program.Lines(ControlId::JobList), (std::vector<std::string>{kShutLine, kShutLine}));

  // Nothing selected: these buttons do nothing.
  for (ControlId id : {ControlId::JobDelete, ControlId::JobUp, ControlId::JobDown}) program.Click(id);
  EXPECT_EQ(program.Lines(ControlId::JobList).size(), 2u);

  EditJobLine(0, "@echo first");
  EXPECT_EQ(program.Lines(ControlId::JobList), (std::vector<std::string>{"@echo first", kShutLine}));

  // Escape leaves the line as it was.
  program.Pick(ControlId::JobList, 0);
  program.ClickOpeningDialog(ControlId::JobEdit);
  HWND dialog = program.WaitForDialog("Edit");
  ASSERT_NE(dialog, nullptr);
  PostMessageA(FindWindowExA(dialog, nullptr, "Edit", nullptr), WM_KEYDOWN, VK_ESCAPE, 1);
  program.WaitUntilClosed(dialog);
  EXPECT_EQ(program.Lines(ControlId::JobList)[0], "@echo first");

  struct Move {
    int selected;
    ControlId button;
    std::vector<std::string> after;
  };
  const Move moves[] = {
      {0, ControlId::JobUp, {"@echo first", kShutLine}},    // already first
      {1, ControlId::JobDown, {"@echo first", kShutLine}},  // already last
      {1, ControlId::JobUp, {kShutLine, "@echo first"}},
      {0, ControlId::JobDown, {"@echo first", kShutLine}},
  };
  for (const Move& move : moves) {
    program.Pick(ControlId::JobList, move.selected);
    program.Click(move.button);
    EXPECT_EQ(program.Lines(ControlId::JobList), move.after) << qv::ControlName(move.button) << " on " << move.selected;
  }

  program.Pick(ControlId::JobList, 1);
  program.ClickOpeningDialog(ControlId::JobView);
  HWND view = program.WaitForDialog("The command line parameter is:");
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(Contains(program.DialogText(view), kShutLine));
  program.PressDialogButton(view, IDOK);

  program.Pick(ControlId::JobList, 0);
  program.Click(ControlId::JobDelete);
  EXPECT_EQ(program.Lines(ControlId::JobList), std::vector<std::string>{kShutLine});
  program.Click(ControlId::JobClear);
  EXPECT_TRUE(program.Lines(ControlId::JobList).empty());
}

TEST_F(WindowTest, StartRunsTheBatchAtIdlePriority) {
  if (Options().probe.empty() || Options().tools.empty()) GTEST_SKIP() << "needs the probe and the helper tools";
  ASSERT_TRUE(CopyFileA(HostPath(Options().probe).c_str(), File("priority_probe.exe").c_str(), FALSE));
  program.ShowPage(kJob);
  program.Click(ControlId::JobShut);
  program.Click(ControlId::JobShut);
  const std::string copyLine = "@copy temp.bat started.txt >nul";
  const std::string probeLine = "@priority_probe.exe priority.txt";
  EditJobLine(0, copyLine);
  EditJobLine(1, probeLine);

  program.Click(ControlId::JobStart);
  EXPECT_TRUE(FileExists(File("quorvelan.ini")));
  ASSERT_TRUE(WaitForFile(File("priority.txt"), 60000)) << "the batch did not run the probe";
  Sleep(500);
  const auto started = ReadWholeFile(File("started.txt"));
  ASSERT_TRUE(started.has_value());
  EXPECT_EQ(*started, "@cd /d \"" + program.Folder() + "\"\r\n@echo Please wait until this process is set into idle.\r\n" +
                          "@snooze.exe 1000\r\n@envprep.exe run\r\n@call envprep.bat\r\n@del envprep.bat\r\n" + copyLine +
                          "\r\n" + probeLine + "\r\ndel temp.bat");

  unsigned long self = 0, parent = 0;
  const auto report = ReadWholeFile(File("priority.txt"));
  ASSERT_TRUE(report.has_value());
  ASSERT_EQ(std::sscanf(report->c_str(), "self=%lu parent=%lu", &self, &parent), 2) << *report;
  EXPECT_EQ(parent, static_cast<unsigned long>(IDLE_PRIORITY_CLASS)) << "the batch itself";
  // Windows gives a new process the idle class of its creator; Wine (8.0)
  // starts it at normal priority whatever the creator's class.
  const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
  if (!wine) {
    EXPECT_EQ(self, static_cast<unsigned long>(IDLE_PRIORITY_CLASS)) << "a program of a job line";
  }
  std::printf("priority class of a job line's program: %lu, of the batch: %lu (idle is %lu)\n", self, parent,
              static_cast<unsigned long>(IDLE_PRIORITY_CLASS));

  const ULONGLONG end = GetTickCount64() + 30000;
  while (FileExists(File("temp.bat")) && GetTickCount64() < end) Sleep(100);
  EXPECT_FALSE(FileExists(File("temp.bat"))) << "the batch deletes itself";
}

TEST_F(WindowTest, TheCloseBoxAndCancelSaveTheStateFile) {
  program.ShowPage(kRateControl);
  program.Type(ControlId::Kfb, "55");
  EXPECT_EQ(program.CloseWindow(), std::optional<DWORD>(0));
  const auto state = ReadWholeFile(File("quorvelan.ini"));
  ASSERT_TRUE(state.has_value());
  EXPECT_TRUE(Contains(*state, "\r\nkfb = 55\r\n")) << *state;

  ASSERT_TRUE(program.Start());
  program.ShowPage(kRateControl);
  EXPECT_EQ(program.Text(ControlId::Kfb), "55");
  program.Type(ControlId::Kfb, "66");
  program.ClickOpeningDialog(ControlId::Cancel);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
  EXPECT_TRUE(Contains(ReadWholeFile(File("quorvelan.ini")).value_or(""), "\r\nkfb = 66\r\n"));
}

}  // namespace
}  // namespace qvtest
