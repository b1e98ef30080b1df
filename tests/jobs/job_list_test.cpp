#include "jobs/job_list.h"

#include "commands/pass_command.h"
#include "job_fixture.h"
#include "jobs/batch_file.h"
#include "jobs/job_paths.h"

namespace qv {
namespace {

constexpr const char* kHeader = "@cd /d \"C:\\Q\\\"\r\n@envprep.exe run\r\n@call envprep.bat\r\n@del envprep.bat\r\n";

class JobListTest : public JobFixture {
 protected:
  void ChooseInput(const std::string& path) {
    fake.dialogs.paths.push_back(path);
    PickInput(form, platform);
  }

  std::string MakeBat() {
    fake.dialogs.paths.push_back("D:\\jobs");
    const BatchResult result = MakeBatchFile(form, platform);
    EXPECT_EQ(result.outcome, BatchOutcome::Written);
    return fake.files.ReadFile(result.path).value_or("<not written>");
  }
};

TEST_F(JobListTest, AutomatedDoublePassWithNeroAudio) {
  form.SetNumber(ControlId::Mode, 6);
  form.SetText(ControlId::Value, "1000");
  form.SetNumber(ControlId::Audio, 1);
  form.SetNumber(ControlId::AudioEncoder, 1);
  ChooseInput("D:\\v\\clip.avs");
  ASSERT_TRUE(AddJob(form));
  const std::string common =
      "x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 "
      "-r 1 --nr 0 -f 0:0 -b 2 --direct \"temporal\" --b-bias 0 -w ";
  EXPECT_EQ(MakeBat(),
            std::string(kHeader) +
                "@echo Input:D:\\v\\clip.avs\r\n"
                "@echo Output:D:\\v\\clip.mp4\r\n"
                "@echo Encode Mode:Automated Double Passes\r\n" +
                common +
                "-p 1 --stats \"C:\\Q\\stats\\clip.avs.stat\" -B 1000 --qpmin 10 --qpmax 51 --8x8dct "
                "-A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 "
                "--vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul \"D:\\v\\clip.avs\" "
                "2>&1|teelog.exe \"C:\\Q\\log\\clip.avs.txt\"\r\n" +
                common +
                "-p 3 --stats \"C:\\Q\\stats\\clip.avs.stat\" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 "
                "--qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 "
                "--ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o \"D:\\v\\clip.mp4\" "
                "\"D:\\v\\clip.avs\" 2>&1|teelog.exe \"C:\\Q\\log\\clip.avs.txt\"\r\n"
                "bepipe.exe --script \"import(^D:\\v\\clip.avs^)\" | neroaacenc.exe -if - -of "
                "\"D:\\v\\clip.audio.mp4\" -ignorelength -cbr 64000\r\n"
                "mp4box.exe -add \"D:\\v\\clip.audio.mp4\" \"D:\\v\\clip.mp4\"\r\n"
                "if not errorlevel 1 del \"D:\\v\\clip.audio.mp4\"\r\n");
}

// The conditional mode muxes once, after the conditional pass: the first
// pass's output may be encoded again, and muxing both would add a second
// audio track.
TEST_F(JobListTest, ConditionalDoublePassMuxesOnceAtTheEnd) {
  form.SetNumber(ControlId::Mode, 13);
  form.SetText(ControlId::Value, "1000");
  form.SetNumber(ControlId::Audio, 1);
  form.SetNumber(ControlId::AudioEncoder, 0);
  ChooseInput("D:\\v\\clip.avs");
  const std::string firstPass = BuildPassCommand(form, EncodeMode::FirstPassCrfWithOutput, "16");
  const std::string secondPass = BuildPassCommand(form, EncodeMode::ConditionalDoublePassCrf, "1000");
  ASSERT_TRUE(AddJob(form));  // the pass lines themselves are worked examples of the pass command tests
  EXPECT_EQ(Jobs(), (std::vector<std::string>{
                        "@echo Input:D:\\v\\clip.avs",
                        "@echo Output:D:\\v\\clip.mp4",
                        "@echo Encode Mode:Conditional Double Passes(1P-CRF)",
                        firstPass,
                        "mensura.exe 90 110 \"D:\\v\\clip.mp4\"",
                        secondPass,
                        "bepipe.exe --script \"import(^D:\\v\\clip.avs^)\" | enc_aacplus.exe - "
                        "\"D:\\v\\clip.audio.aac\" --cbr 64000",
                        "mp4box.exe -add \"D:\\v\\clip.audio.aac\" \"D:\\v\\clip.mp4\"",
                        "if not errorlevel 1 del \"D:\\v\\clip.audio.aac\"",
                    }));
}

// One letter per line: E echo, X encoder pass, S size check, A audio,
// M mux, D clean-up.
std::string Shape(const std::vector<std::string>& lines) {
  const std::pair<const char*, char> kinds[] = {
      {"@echo ", 'E'},         {"x264.exe ", 'X'}, {"if errorlevel 1 x264.exe ", 'X'}, {"mensura.exe ", 'S'},
      {"bepipe.exe ", 'A'},    {"mp4box.exe ", 'M'}, {"if not errorlevel 1 del ", 'D'},
  };
  std::string shape;
  for (const std::string& line : lines) {
    char kind = '?';
    for (const auto& [prefix, letter] : kinds) {
      if (line.rfind(prefix, 0) == 0) kind = letter;
    }
    shape += kind;
  }
  return shape;
}

TEST_F(JobListTest, LinesFollowTheModesPasses) {
  const struct {
    int mode, audio, muxer;
    const char* shape;
  } cases[] = {
      {0, 1, 0, "EEEXAMD"},  {1, 1, 0, "EEEXAMD"},   {2, 1, 0, "EEEXAMD"},  {3, 1, 0, "EEEX"},
      {4, 1, 0, "EEEX"},     {5, 1, 0, "EEEXAMD"},   {6, 1, 0, "EEEXXAMD"}, {7, 1, 0, "EEEXXAMD"},
      {8, 1, 0, "EEEX"},     {9, 1, 0, "EEEX"},      {10, 1, 0, "EEEXXAMD"}, {11, 1, 0, "EEEXXAMD"},
      {12, 1, 0, "EEEXAMD"}, {13, 1, 0, "EEEXSXAMD"}, {13, 0, 0, "EEEXSX"},   {6, 0, 0, "EEEXX"},
      // "Audio Only": the audio line whatever the mode and the check box say.
      {6, 0, 4, "EEEA"}, {13, 1, 4, "EEEA"},
  };
  form.SetText(ControlId::Input, "D:\\v\\clip.avs");
  form.SetText(ControlId::Output, "D:\\v\\clip.mp4");
  for (const auto& c : cases) {
    form.SetNumber(ControlId::Mode, c.mode);
    form.SetNumber(ControlId::Audio, c.audio);
    form.SetNumber(ControlId::Muxer, c.muxer);
    EXPECT_EQ(Shape(JobLines(form)), c.shape) << "mode " << c.mode << " audio " << c.audio << " muxer " << c.muxer;
  }
}

TEST_F(JobListTest, AddJobKeepsModeAndValueAndEmptiesTheFields) {
  for (int mode : {10, 11, 13}) {
    form.SetNumber(ControlId::Mode, mode);
    form.SetText(ControlId::Value, "1234");
    ChooseInput("D:\\v\\clip.mkv");
    ASSERT_TRUE(AddJob(form));
    EXPECT_EQ(form.Number(ControlId::Mode), mode);
    EXPECT_EQ(form.Text(ControlId::Value), "1234");
    EXPECT_EQ(form.Text(ControlId::Auto1pCrf), "16");
    for (ControlId field : {ControlId::Input, ControlId::Output, ControlId::Stats, ControlId::Log}) {
      EXPECT_EQ(form.Text(field), "") << ControlName(field) << " in mode " << mode;
    }
  }
}

TEST_F(JobListTest, AddJobNeedsInputAndOutput) {
  const std::pair<const char*, const char*> cases[] = {{"", "D:\\v\\clip.mp4"}, {"D:\\v\\clip.avs", ""}};
  for (const auto& [input, output] : cases) {
    form.SetText(ControlId::Input, input);
    form.SetText(ControlId::Output, output);
    form.SetText(ControlId::Stats, "s");
    EXPECT_FALSE(AddJob(form));
    EXPECT_TRUE(Jobs().empty());
    EXPECT_EQ(form.Text(ControlId::Stats), "s");
  }
}

// Percent signs and "&" in names must survive cmd.exe: "%" doubled
// everywhere, the unquoted echo lines escaped with carets.
TEST_F(JobListTest, BatchSafeNamesThroughTheWholeJob) {
  form.SetNumber(ControlId::Audio, 1);
  form.SetNumber(ControlId::Muxer, 2);  // MKVMerge: the derived Matroska name too
  ChooseInput("D:\\v\\50% off.mkv");
  EXPECT_EQ(fake.files.ReadFile("C:\\Q\\avs\\50% off.mkv.avs").value_or("").find("fs=\"D:\\v\\50% off.mkv\""), 0u);
  AddJob(form);
  ChooseInput("D:\\v\\Tom & Jerry.avs");
  AddJob(form);
  const std::string batch = MakeBat();

  EXPECT_NE(batch.find("@echo Input:C:\\Q\\avs\\50%% off.mkv.avs\r\n"), std::string::npos);
  EXPECT_NE(batch.find("@echo Output:D:\\v\\50%% off.mp4\r\n"), std::string::npos);
  EXPECT_NE(batch.find("-o \"D:\\v\\50%% off.mp4\""), std::string::npos);
  EXPECT_NE(batch.find("@echo Input:D:\\v\\Tom ^& Jerry.avs\r\n"), std::string::npos);
  EXPECT_NE(batch.find("\"D:\\v\\Tom & Jerry.avs\" 2>&1|teelog.exe \"C:\\Q\\log\\Tom & Jerry.avs.txt\""),
            std::string::npos);
  std::string withoutDoubled = batch;
  for (std::size_t at; (at = withoutDoubled.find("%%")) != std::string::npos;) withoutDoubled.erase(at, 2);
  EXPECT_EQ(withoutDoubled.find('%'), std::string::npos) << "a single % in:\n" << batch;
}

TEST_F(JobListTest, JobTabButtonsChangeTheList) {
  using L = std::vector<std::string>;
  const auto up = MoveSelectedJobLineUp, down = MoveSelectedJobLineDown;
  const struct {
    int selected;
    void (*operation)(Form&);
    int presses;
    L lines;
    int selectedAfter;
  } cases[] = {
      {1, up, 1, L{"b", "a", "c"}, 0},   {2, up, 2, L{"c", "a", "b"}, 0},   {0, up, 1, L{"a", "b", "c"}, 0},
      {-1, up, 1, L{"a", "b", "c"}, -1}, {1, down, 1, L{"a", "c", "b"}, 2}, {0, down, 2, L{"b", "c", "a"}, 2},
      {2, down, 1, L{"a", "b", "c"}, 2}, {-1, down, 1, L{"a", "b", "c"}, -1},
      {1, DeleteSelectedJobLine, 1, L{"a", "c"}, -1}, {-1, DeleteSelectedJobLine, 1, L{"a", "b", "c"}, -1},
      {-1, AppendShutdown, 2, L{"a", "b", "c", "shutdown.exe -s -f -t 30", "shutdown.exe -s -f -t 30"}, -1},
      {1, ClearJobs, 1, L{}, -1},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    form.ClearItems(ControlId::JobList);
    form.AddItems(ControlId::JobList, {"a", "b", "c"});
    form.Select(ControlId::JobList, c.selected);
    for (int press = 0; press < c.presses; ++press) c.operation(form);
    EXPECT_EQ(Jobs(), c.lines) << "case " << i;
    EXPECT_EQ(form.Selection(ControlId::JobList), c.selectedAfter) << "case " << i;
  }
}

}  // namespace
}  // namespace qv
