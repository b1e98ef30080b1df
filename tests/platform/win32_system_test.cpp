// Processes, libraries, the clipboard and the edit-line requester of the
// real Win32 system.

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "platform/win32/win32_platform.h"
#include "text/case_fold.h"
#include "text/wide_text.h"
#include "tools/support/data_table.h"
#include "tools/support/scratch_folder.h"

namespace qv::platform {
namespace {

// The portable rules are the system's: its upper-case table unit by unit,
// and the keys of every spelling of the data file (relative ones from this
// program's current folder).
TEST(Win32FileSystem, KnowsFilesByTheKeysThatThePortableRulesGive) {
  for (unsigned unit = 1; unit <= 0xFFFF; ++unit) {
    if (unit >= 0xD800 && unit <= 0xDFFF) continue;
    const wchar_t in = static_cast<wchar_t>(unit);
    wchar_t upper = 0;
    ASSERT_EQ(LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, &in, 1, &upper, 1, nullptr, nullptr, 0), 1);
    EXPECT_EQ(static_cast<unsigned>(UpperCaseUnit(static_cast<char16_t>(unit))), static_cast<unsigned>(upper))
        << "U+" << std::hex << unit;
  }
  Win32FileSystem files;
  for (const testing::Row& row : testing::ReadTable("path_keys.tsv")) {
    EXPECT_EQ(files.PathKey(row[0]), PortablePathKey(row[0], WorkingFolder())) << row[0];
  }
}

TEST(Win32Processes, StartAJobInTheWorkingFolderWithAConsoleAtIdleAndEndItWhole) {
  const testing::ScratchFolder scratch("processes");
  const std::string folder = scratch.path().substr(0, scratch.path().size() - 1);
  const std::string fixture = "\"" + ProgramFolder() + "win32_process_fixture.exe\"";
  Win32Processes processes;
  ASSERT_TRUE(SetEnvironmentVariableW(L"QV_TEST_VARIABLE", L"mine"));
  const auto job = processes.Start(fixture + " 30000", folder, "QV_TEST_VARIABLE", "C:\\Q\\temp.run");
  ASSERT_TRUE(job.has_value());
  for (int i = 0; i < 3000 && !testing::fs::exists(folder + "\\report.txt"); ++i) Sleep(10);
  EXPECT_EQ(testing::ReadBytes(folder + "\\report.txt"), folder + "\n1\nC:\\Q\\temp.run");
  EXPECT_EQ(processes.Environment("QV_TEST_VARIABLE"), "mine") << "set for the child alone";
  EXPECT_TRUE(processes.Running(*job));
  processes.End(*job);  // the scratch folder waits until it is gone
  for (int i = 0; i < 500 && processes.Running(*job); ++i) Sleep(10);
  EXPECT_FALSE(processes.Running(*job));
  processes.Release(*job);
  EXPECT_FALSE(processes.Running(*job));
  EXPECT_EQ(processes.Start("qv_no_such_program.exe", folder, "A", "b"), std::nullopt);
  EXPECT_EQ(processes.Start(fixture, folder + "\\missing", "A", "b"), std::nullopt);
}

// A folder name that no single ANSI code page carries (Cyrillic and Greek).
TEST(Win32Processes, RunAProgramAndReadTheEnvironmentWhateverTheirNamesHold) {
  const testing::ScratchFolder scratch("run");
  const std::string folder = scratch.path() + "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE \xCE\xA9";
  ASSERT_TRUE(testing::fs::create_directory(testing::fs::u8path(folder)));
  const std::string program = folder + "\\win32_process_fixture.exe";
  testing::fs::copy_file(ProgramFolder() + "win32_process_fixture.exe", testing::fs::u8path(program));
  Win32Processes processes;
  EXPECT_EQ(processes.Run(program, {"--version"}, 10000), "x264 0.164.3095\n");
  ASSERT_TRUE(SetEnvironmentVariableW(L"QV_TEST_FOLDER", Widen(folder).c_str()));
  EXPECT_EQ(processes.Environment("QV_TEST_FOLDER"), folder);
  EXPECT_EQ(processes.Environment("QV_NO_SUCH_VARIABLE"), "");
}

TEST(Win32Libraries, CallAnExportByNameAndGiveNothingWhenEitherIsMissing) {
  Win32Libraries libraries;
  EXPECT_EQ(libraries.Load("qv_no_such_library.dll"), nullptr);
  EXPECT_EQ(libraries.CallIntInt(nullptr, "rateplan", 128, 0), std::nullopt);
  const Libraries::Handle calculator = libraries.Load("win32_library_fixture.dll");
  ASSERT_NE(calculator, nullptr) << "not found by bare name beside the program";
  EXPECT_EQ(libraries.CallIntInt(calculator, "rateplan", -5, 3), 1008);
  EXPECT_EQ(libraries.CallIntInt(calculator, "noSuchExport", 128, 0), std::nullopt);
}

TEST(Win32Clipboard, HoldsTheTextAndIsEmptiedByEmptyText) {
  for (const std::string text : {"1234 kbit/s", ""}) {
    Win32Clipboard().SetText(text);
    ASSERT_TRUE(OpenClipboard(nullptr));
    const HANDLE data = GetClipboardData(CF_TEXT);
    EXPECT_EQ(data ? static_cast<const char*>(GlobalLock(data)) : "(empty)", text.empty() ? "(empty)" : text);
    if (data) GlobalUnlock(data);
    CloseClipboard();
  }
}

enum class Finish { Enter, OkButton, Escape, CloseBox };

// The requester opens modal over an active owner while a second thread acts
// as a person would: types "X" (which lands after the text only if the caret
// starts at its end) and closes it.
TEST(Win32EditLine, OkAndEnterGiveTheEditedLineEscapeAndTheCloseBoxNothing) {
  const std::string line = "x264.exe --pass 1", longLine(40000, 'a');  // longer than an edit takes by default
  const struct {
    Finish finish;
    std::string text;
    std::optional<std::string> result;
  } cases[] = {{Finish::Enter, line, line + "X"},
               {Finish::OkButton, line, line + "X"},
               {Finish::Escape, line, std::nullopt},
               {Finish::CloseBox, "", std::nullopt},
               {Finish::Enter, longLine, longLine + "X"}};
  for (const auto& c : cases) {
    const HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                       nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(owner);
    bool ownerEnabled = true;
    std::thread person([&] {
      HWND dialog = nullptr;
      for (int i = 0; i < 1000 && !(dialog && IsWindowVisible(dialog)); ++i, Sleep(10)) {
        dialog = FindWindowA("#32770", "Edit");
      }
      ownerEnabled = IsWindowEnabled(owner) != FALSE;
      const HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
      PostMessageA(edit, WM_CHAR, 'X', 1);
      const WPARAM key = c.finish == Finish::Enter ? VK_RETURN : VK_ESCAPE;
      if (c.finish == Finish::Enter || c.finish == Finish::Escape) PostMessageA(edit, WM_KEYDOWN, key, 1);
      if (c.finish == Finish::OkButton) PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
      if (c.finish == Finish::CloseBox) PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(Win32Dialogs().EditLine("Edit", "For expert only!", c.text), c.result) << static_cast<int>(c.finish);
    person.join();
    DestroyWindow(owner);
    EXPECT_FALSE(ownerEnabled);
  }
}

}  // namespace
}  // namespace qv::platform
