// The helper programs and the calculator library as the batches and the
// window use them: what only a real process shows.

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "rateplan/dialog_ids.h"
#include "tools/support/data_table.h"
#include "tools/support/run_command.h"

namespace qv::testing {
namespace {

const std::string kTools = QV_TOOL_FOLDER "/";

// Each row of tests/data/tools/programs.tsv: a command, the standard input
// it reads (in.txt) or -, its exit code and parts of what it prints.
TEST(ToolPrograms, ExitAndSayAsEachRowOfTheirTableExpects) {
  const ScratchFolder folder("tools 50% & ^x");
  for (const Row& row : ReadTable("tools/programs.tsv")) {
    std::string command = row.at(0);
    command.replace(command.find("{tools}"), 7, kTools);
    if (row[1] != "-") WriteBytes(folder.path() + "in.txt", row[1]);
    const CommandRun run = RunCommand(command, folder.path());
    EXPECT_EQ(run.exitCode, std::stoi(row.at(2))) << command << ": " << run.output;
    for (std::size_t part = 3; part < row.size(); ++part)
      EXPECT_NE(run.output.find(row[part]), std::string::npos) << command << ": " << run.output;
  }
  EXPECT_FALSE(ReadBytes(folder.path() + "envprep.bat")) << "a refused run wrote its batch";
}

TEST(Teelog, PassesEveryByteThroughLiveAndReplacesTheLog) {
  const ScratchFolder folder("teelog");
  WriteBytes(folder.path() + "log.txt", std::string(20000, 'o'));  // a longer earlier log
  FILE* encoder =
      _popen(("\"cd /d \"" + folder.path() + "\" && \"" + kTools + "teelog.exe\" log.txt >out.txt\"").c_str(), "wb");
  ASSERT_NE(encoder, nullptr);
  const std::string progress = "[12.5%] 50/400 frames\r", rest = std::string("\0binary\xff\r\nencoded\r\n", 19);
  const auto shown = [&] {
    return ReadBytes(folder.path() + "out.txt").value_or("") + "|" + ReadBytes(folder.path() + "log.txt").value_or("");
  };
  std::fwrite(progress.data(), 1, progress.size(), encoder);
  std::fflush(encoder);
  // The input is still open: a buffering tee would hold the progress back.
  for (int i = 0; i < 200 && shown() != progress + "|" + progress; ++i) Sleep(50);
  EXPECT_EQ(shown(), progress + "|" + progress);
  std::fwrite(rest.data(), 1, rest.size(), encoder);
  EXPECT_EQ(_pclose(encoder), 0);
  EXPECT_EQ(shown(), progress + rest + "|" + progress + rest);
}

// Started by the window, teelog also tells the run channel what the step
// does; what it shows and logs stays byte for byte the same.
TEST(Teelog, TellsTheRunChannelTheStepsProgressAndEndWhenTheWindowNamesOne) {
  const ScratchFolder folder("teelog channel");
  const std::string channel = folder.path() + "run 1.txt";
  WriteBytes(channel, "step earlier\n");  // records are only ever appended
  ASSERT_TRUE(SetEnvironmentVariableA("QUORVELAN_CHANNEL", channel.c_str()));
  FILE* encoder =
      _popen(("\"cd /d \"" + folder.path() + "\" && \"" + kTools + "teelog.exe\" \"l 100%.txt\" >out.txt\"").c_str(), "wb");
  SetEnvironmentVariableA("QUORVELAN_CHANNEL", nullptr);
  ASSERT_NE(encoder, nullptr);
  const std::string progress = "[10.0%] 4/40 frames, 2.00 fps, 9.00 kb/s, eta 0:00:18\r";
  std::fwrite(progress.data(), 1, progress.size(), encoder);
  std::fflush(encoder);
  const std::string shown = "step earlier\nstep l 100%.txt\nprogress " + progress.substr(0, progress.size() - 1) + "\n";
  for (int i = 0; i < 200 && ReadBytes(channel).value_or("") != shown; ++i) Sleep(50);
  EXPECT_EQ(ReadBytes(channel).value_or(""), shown) << "progress reaches the window while the step runs";
  const std::string rest = "x264 [error]: out of memory\n";
  std::fwrite(rest.data(), 1, rest.size(), encoder);
  EXPECT_EQ(_pclose(encoder), 0);
  EXPECT_EQ(ReadBytes(channel).value_or(""), shown + "tail x264 [error]: out of memory\nend error\n");
  EXPECT_EQ(ReadBytes(folder.path() + "out.txt").value_or(""), progress + rest);
  EXPECT_EQ(ReadBytes(folder.path() + "l 100%.txt").value_or(""), progress + rest);
}

TEST(ShippedTools, CarryVersionResources) {
  for (const char* file : {"teelog.exe", "mensura.exe", "snooze.exe", "envprep.exe", "rateplan.dll"}) {
    std::string block(GetFileVersionInfoSizeA((kTools + file).c_str(), nullptr), '\0');
    ASSERT_TRUE(GetFileVersionInfoA((kTools + file).c_str(), 0, block.size(), block.data())) << file;
    for (const auto& [key, expected] :
         {std::pair{"OriginalFilename", file}, {"ProductName", "quorvelan"}, {"ProductVersion", QV_VERSION}}) {
      char* value = nullptr;
      UINT length = 0;
      VerQueryValueA(block.data(), (std::string("\\StringFileInfo\\040904B0\\") + key).c_str(),
                     reinterpret_cast<void**>(&value), &length);
      EXPECT_STREQ(value ? value : "(missing)", expected) << file << " " << key;
    }
  }
}

// The calculator as the window calls it; another thread plays the user.
TEST(RateplanLibrary, ShowsTheBitrateAsTheUserTypesRefusesNonsenseAndKeepsTheInputs) {
  const ScratchFolder folder("rateplan");
  ASSERT_TRUE(CopyFileA((kTools + "rateplan.dll").c_str(), (folder.path() + "rateplan.dll").c_str(), FALSE));
  WriteBytes(folder.path() + "rateplan.ini", "[rateplan]\r\nduration=1:00:00\r\nsize=100\r\n");
  const HMODULE library = LoadLibraryA((folder.path() + "rateplan.dll").c_str());
  const auto rateplan =
      reinterpret_cast<int(__stdcall*)(int, int)>(reinterpret_cast<void*>(GetProcAddress(library, "rateplan")));
  ASSERT_NE(rateplan, nullptr);
  std::string seen;
  std::thread user([&] {
    HWND dialog = nullptr;
    for (int i = 0; i < 200 && !(dialog && IsWindowVisible(dialog)); ++i, Sleep(50))
      dialog = FindWindowA(nullptr, "Bitrate calculator");
    char result[64] = {};
    const auto look = [&] { seen += std::string(result, GetDlgItemTextA(dialog, IDC_RATE_RESULT, result, 64)) + "|"; };
    look();  // from the inputs that rateplan.ini kept
    SetDlgItemTextA(dialog, IDC_RATE_DURATION, "1:75:00");
    look();
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);  // refused
    SetDlgItemTextA(dialog, IDC_RATE_DURATION, "1:00:00");
    SetDlgItemTextA(dialog, IDC_RATE_SIZE, "200");
    look();
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(rateplan(64, 0), 402);
  user.join();
  EXPECT_EQ(seen, "169 kbit/s|duration as h:mm:ss|402 kbit/s|");
  EXPECT_EQ(ReadBytes(folder.path() + "rateplan.ini"), "[rateplan]\r\nduration=1:00:00\r\nsize=200\r\n");
  FreeLibrary(library);  // so that the scratch folder can go
}

}  // namespace
}  // namespace qv::testing
