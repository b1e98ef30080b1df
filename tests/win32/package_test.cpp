// The first encode from the release zip (package_test.sh unpacks it): the
// real window and quorvelan-cli of the unpacked folder, with the starter files
// as shipped and a stand-in x264.exe in tools\, make batches that the command
// interpreter runs to the encoded output. The stand-in answers for its
// version what QV_STANDIN_X264_VERSION says.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "program_driver.h"
#include "tools/support/run_command.h"

namespace qvtest {
namespace {

using qv::ControlId;
using qv::testing::CommandRun;
using qv::testing::ReadBytes;
using qv::testing::RunCommand;
using qv::testing::WriteBytes;
namespace fs = std::filesystem;

constexpr int kJobPage = 4;
constexpr const char* kCurrentBuild = "x264 0.164.3095 baee400";  // a build of 2022
constexpr const char* kClassicBuild = "x264 0.59.803";            // a build of 2008

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

class PackageTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.empty()) << "QV_PACKAGE_FOLDER names no unpacked release";
    fs::create_directories(media);
  }

  // A source as a user has it: a video file, which gets a wrapper that
  // imports the first shipped include script.
  std::string Source(const std::string& name) {
    const std::string source = media + name + ".avi";
    WriteBytes(source, "a video of " + name + "\r\n");
    return source;
  }

  void StartWindow(const char* build) {
    SetEnvironmentVariableA("QV_STANDIN_X264_VERSION", build);
    ASSERT_TRUE(program.Start()) << "no window appeared";
  }

  // Drops `source` on the window with the settings as they are.
  void Drop(const std::string& source) {
    program.DropFiles({source});
    program.Settle();
    program.ShowPage(kJobPage);
    const std::vector<std::string> lines = program.Lines(ControlId::JobList);
    if (lines.empty()) {
      HWND message = program.WaitForDialog("");
      FAIL() << "the dropped file gave no job; shown: " << (message ? program.DialogText(message) : "nothing");
    }
    EXPECT_EQ(lines[0], "@echo Input:" + folder + "avs\\" + source.substr(media.size()) + ".avs");
  }

  std::string MakeBat(const std::string& name) {
    program.ShowPage(kJobPage);
    program.ClickOpeningDialog(ControlId::JobMakeBat);
    HWND saver = program.WaitForDialog("");
    EXPECT_NE(saver, nullptr);
    if (saver == nullptr) return {};
    const std::string batch = media + name + ".bat";
    program.AnswerFileDialog(saver, batch);
    program.WaitUntilClosed(saver);
    return batch;
  }

  // The job list emptied for the next test (after its question), and the
  // window closed.
  void Finish() {
    program.ShowPage(kJobPage);
    program.ClickOpeningDialog(ControlId::JobClear);
    HWND question = program.WaitForDialog("quorvelan");
    ASSERT_NE(question, nullptr);
    program.PressDialogButton(question, IDYES);
    EXPECT_EQ(program.CloseWindow(), std::optional<DWORD>(0));
  }

  static std::string Run(const std::string& batch) { return RunCommand(Quoted(batch) + " 2>&1", media).output; }

  const std::string folder = Environment("QV_PACKAGE_FOLDER");
  static inline const std::string media = Environment("QV_MEDIA_FOLDER");
  ProgramDriver program{ProgramDriver::InFolder{folder}};
};

TEST_F(PackageTest, MakeBatWithTheDefaultsGivesABatchThatEncodes) {
  StartWindow(kCurrentBuild);
  Drop(Source("dropped"));
  const std::string batch = MakeBat("dropped");
  const std::string text = ReadBytes(batch).value_or("");
  // The syntax of today's x264, which the version named.
  EXPECT_NE(text.find("\r\nx264.exe --cqm "), std::string::npos) << text;
  EXPECT_NE(text.find("avs\\dropped.avi.avs"), std::string::npos) << text;
  const std::string console = Run(batch);
  EXPECT_TRUE(fs::exists(media + "dropped.mp4")) << console;
  EXPECT_NE(ReadBytes(folder + "avs\\dropped.avi.avs").value_or("").find("DirectShow.avs"), std::string::npos);
  Finish();
}

TEST_F(PackageTest, StartEncodesTheDroppedFile) {
  StartWindow(kCurrentBuild);
  Drop(Source("started"));
  program.ShowPage(kJobPage);
  program.Click(ControlId::JobStart);
  for (int i = 0; i < 1200 && (!fs::exists(media + "started.mp4") || fs::exists(folder + "temp.bat")); ++i) Sleep(100);
  EXPECT_TRUE(fs::exists(media + "started.mp4"));
  EXPECT_FALSE(fs::exists(folder + "temp.bat"));
  Finish();
}

TEST_F(PackageTest, TheCommandLineProgramOfTheFolderGivesABatchThatEncodes) {
  SetEnvironmentVariableA("QV_STANDIN_X264_VERSION", kCurrentBuild);
  const std::string source = Source("typed"), batch = media + "typed.bat";
  const CommandRun made =
      RunCommand(Quoted(folder + "quorvelan-cli.exe") + " --bat " + Quoted(batch) + " " + Quoted(source) + " 2>&1", folder);
  ASSERT_EQ(made.exitCode, 0) << made.output;
  EXPECT_NE(ReadBytes(batch).value_or("").find("\r\nx264.exe --cqm "), std::string::npos);
  const std::string console = Run(batch);
  EXPECT_TRUE(fs::exists(media + "typed.mp4")) << console;
}

TEST_F(PackageTest, AnX264Of2008GetsTheClassicSyntaxAndEncodes) {
  StartWindow(kClassicBuild);
  Drop(Source("classic"));
  const std::string batch = MakeBat("classic");
  const std::string text = ReadBytes(batch).value_or("");
  EXPECT_NE(text.find("\r\nx264.exe --progress "), std::string::npos) << text;
  const std::string console = Run(batch);
  EXPECT_TRUE(fs::exists(media + "classic.mp4")) << console;
  Finish();
}

}  // namespace
}  // namespace qvtest
