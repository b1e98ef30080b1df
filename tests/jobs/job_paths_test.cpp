#include "jobs/job_paths.h"

#include "job_fixture.h"

namespace qv {
namespace {

using JobPathsTest = JobFixture;

TEST_F(JobPathsTest, DerivesFieldsAndWrapper) {
  const struct {
    const char *input, *outputFolder, *output, *stats, *log, *inputAfter;
    const char* wrapper;  // bytes of the wrapper script, nullptr when none is due
  } cases[] = {
      {"D:\\v\\clip.avs", "D:\\v\\", "D:\\v\\clip.mp4", "C:\\Q\\stats\\clip.avs.stat", "C:\\Q\\log\\clip.avs.txt",
       "D:\\v\\clip.avs", nullptr},
      {"D:\\v\\Clip.AVS", "D:\\v\\", "D:\\v\\Clip.mp4", "C:\\Q\\stats\\Clip.AVS.stat", "C:\\Q\\log\\Clip.AVS.txt",
       "D:\\v\\Clip.AVS", nullptr},
      {"D:\\v\\clip.mkv", "D:\\v\\", "D:\\v\\clip.mp4", "C:\\Q\\stats\\clip.mkv.stat", "C:\\Q\\log\\clip.mkv.txt",
       "C:\\Q\\avs\\clip.mkv.avs", "fs=\"D:\\v\\clip.mkv\"\r\nimport(\"..\\avsinc\\DirectShow.avs\")\r\n"},
      {"D:/v/my.movie.mkv", "E:\\out\\", "E:\\out\\my.movie.mp4", "C:\\Q\\stats\\my.movie.mkv.stat",
       "C:\\Q\\log\\my.movie.mkv.txt", "C:\\Q\\avs\\my.movie.mkv.avs",
       "fs=\"D:/v/my.movie.mkv\"\r\nimport(\"..\\avsinc\\DirectShow.avs\")\r\n"},
      // No extension: the output still gets its dot.
      {"D:\\v\\clip", "D:\\v\\", "D:\\v\\clip.mp4", "C:\\Q\\stats\\clip.stat", "C:\\Q\\log\\clip.txt",
       "C:\\Q\\avs\\clip.avs", "fs=\"D:\\v\\clip\"\r\nimport(\"..\\avsinc\\DirectShow.avs\")\r\n"},
      // No input: nothing derived, the fields of the case before stay.
      {"", "E:\\", "D:\\v\\clip.mp4", "C:\\Q\\stats\\clip.stat", "C:\\Q\\log\\clip.txt", "", nullptr},
  };
  UseIncludeScripts({"DirectShow", "FFMS"}, 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    fake.files.writeCount = 0;
    form.SetText(ControlId::Input, c.input);
    const DeriveResult result = DeriveJobPaths(form, platform, c.outputFolder);
    EXPECT_EQ(form.Text(ControlId::Output), c.output);
    EXPECT_EQ(form.Text(ControlId::Stats), c.stats);
    EXPECT_EQ(form.Text(ControlId::Log), c.log);
    EXPECT_EQ(form.Text(ControlId::Input), c.inputAfter);
    EXPECT_EQ(result.wrapper, c.wrapper ? WrapperOutcome::Written : WrapperOutcome::NotNeeded);
    EXPECT_EQ(fake.files.writeCount, c.wrapper ? 1 : 0);
    if (c.wrapper) {
      EXPECT_EQ(result.wrapperPath, c.inputAfter);
      EXPECT_EQ(fake.files.ReadFile(c.inputAfter), c.wrapper);
    }
  }
}

TEST_F(JobPathsTest, SecondWrapperReplacesTheFirstWhole) {
  UseIncludeScripts({"DirectShowSource", "FFMS"}, 0);
  form.SetText(ControlId::Input, "D:\\v\\clip.mkv");
  DeriveJobPaths(form, platform, "D:\\v\\");
  form.Select(ControlId::IncludeScript, 1);
  form.SetText(ControlId::Input, "E:\\other\\clip.mkv");
  DeriveJobPaths(form, platform, "D:\\v\\");
  EXPECT_EQ(fake.files.ReadFile("C:\\Q\\avs\\clip.mkv.avs"),
            "fs=\"E:\\other\\clip.mkv\"\r\nimport(\"..\\avsinc\\FFMS.avs\")\r\n");
}

TEST_F(JobPathsTest, UnwritableWrapperIsReportedAndStillNamed) {
  fake.files.MakeFolderUnwritable("C:\\Q\\avs");
  form.SetText(ControlId::Input, "D:\\v\\clip.mkv");
  const DeriveResult result = DeriveJobPaths(form, platform, "D:\\v\\");
  EXPECT_EQ(result.wrapper, WrapperOutcome::Failed);
  EXPECT_EQ(result.wrapperPath, "C:\\Q\\avs\\clip.mkv.avs");
  EXPECT_EQ(form.Text(ControlId::Input), "C:\\Q\\avs\\clip.mkv.avs");
  EXPECT_FALSE(fake.files.FileExists("C:\\Q\\avs\\clip.mkv.avs"));
}

// Cancelled pickers keep their fields; the input picker derives beside the
// input; the output picker adds ".mp4" only without an extension.
TEST_F(JobPathsTest, PickersKeepOrDeriveTheirFields) {
  form.SetText(ControlId::Input, "D:\\v\\old.avs");
  form.SetText(ControlId::Output, "D:\\v\\old.mp4");
  PickInput(form, platform);
  PickOutput(form, platform);
  EXPECT_EQ(form.Text(ControlId::Input), "D:\\v\\old.avs");
  EXPECT_EQ(form.Text(ControlId::Output), "D:\\v\\old.mp4");
  EXPECT_EQ(form.Text(ControlId::Stats), "");

  fake.dialogs.paths = {"D:\\v\\clip.mkv", "D:\\v\\final", "D:\\v\\final.mkv"};
  PickInput(form, platform);
  EXPECT_EQ(form.Text(ControlId::Output), "D:\\v\\clip.mp4");
  EXPECT_EQ(form.Text(ControlId::Input), "C:\\Q\\avs\\clip.mkv.avs");
  PickOutput(form, platform);
  EXPECT_EQ(form.Text(ControlId::Output), "D:\\v\\final.mp4");
  PickOutput(form, platform);
  EXPECT_EQ(form.Text(ControlId::Output), "D:\\v\\final.mkv");
  ASSERT_EQ(fake.dialogs.calls.size(), 5u);
  EXPECT_EQ(Dialog(2), "open|||AVS(*.avs)|*.AVS|Other Media|*.*");
  EXPECT_EQ(Dialog(4), "save|||MP4(*.mp4)|*.MP4|MKV(*.mkv)|*.MKV|RAW(*.264)|*.264");
}

TEST_F(JobPathsTest, FilesInputAddsOneJobPerFileInOrder) {
  fake.dialogs.paths.push_back("E:\\out");
  fake.dialogs.pathLists.push_back({"D:\\v\\a.avs", "D:\\v\\b.mkv", "D:\\v\\c.avs", "", "D:\\v\\late.avs"});

  const FilesInputResult result = FilesInput(form, platform);

  EXPECT_EQ(result.jobsAdded, 3);
  EXPECT_TRUE(result.failedWrappers.empty());
  ASSERT_EQ(fake.dialogs.calls.size(), 2u);
  EXPECT_EQ(Dialog(0), "folder|Select a folder for output|C:\\Q\\|");
  EXPECT_EQ(Dialog(1), "openMany|Select some files||AVS(*.AVS)|*.avs|Other Media|*.*");

  std::vector<std::string> echoed;
  for (const std::string& line : Jobs()) {
    if (line.rfind("@echo Input:", 0) == 0 || line.rfind("@echo Output:", 0) == 0) echoed.push_back(line);
  }
  EXPECT_EQ(echoed, (std::vector<std::string>{"@echo Input:D:\\v\\a.avs", "@echo Output:E:\\out\\a.mp4",
                                              "@echo Input:C:\\Q\\avs\\b.mkv.avs", "@echo Output:E:\\out\\b.mp4",
                                              "@echo Input:D:\\v\\c.avs", "@echo Output:E:\\out\\c.mp4"}));
  for (ControlId field : {ControlId::Input, ControlId::Output, ControlId::Stats, ControlId::Log}) {
    EXPECT_EQ(form.Text(field), "") << ControlName(field);
  }
}

TEST_F(JobPathsTest, FilesInputReportsWrappersItCouldNotWrite) {
  fake.files.MakeFolderUnwritable("C:\\Q\\avs");
  fake.dialogs.paths.push_back("E:\\out\\");
  fake.dialogs.pathLists.push_back({"D:\\v\\a.mkv", "D:\\v\\b.avs"});
  const FilesInputResult result = FilesInput(form, platform);
  EXPECT_EQ(result.jobsAdded, 2);
  EXPECT_EQ(result.failedWrappers, std::vector<std::string>{"C:\\Q\\avs\\a.mkv.avs"});
}

TEST_F(JobPathsTest, FilesInputCancelledAddsNothing) {
  FilesInput(form, platform);  // folder dialog cancelled
  EXPECT_EQ(fake.dialogs.calls.size(), 1u);
  fake.dialogs.paths.push_back("E:\\out\\");
  FilesInput(form, platform);  // file dialog cancelled
  EXPECT_TRUE(Jobs().empty());
}

}  // namespace
}  // namespace qv
