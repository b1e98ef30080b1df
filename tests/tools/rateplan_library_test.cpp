#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "built_tools.h"
#include "rateplan/dialog_ids.h"
#include "tools/support/test_files.h"

namespace qv::testing {
namespace {

std::string VersionString(const std::string& file, const char* name) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
  if (size == 0) return "(no version resource)";
  std::string block(size, '\0');
  if (!GetFileVersionInfoA(file.c_str(), 0, size, block.data())) return "(unreadable)";
  char* value = nullptr;
  UINT length = 0;
  const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)) return "(missing)";
  return std::string(value);
}

TEST(ShippedTools, CarryVersionResources) {
  const struct {
    const char* path;
    const char* fileName;
  } files[] = {
      {built::kTeelog, "teelog.exe"},   {built::kMensura, "mensura.exe"},   {built::kSnooze, "snooze.exe"},
      {built::kEnvprep, "envprep.exe"}, {built::kRateplan, "rateplan.dll"},
  };
  for (const auto& f : files) {
    const std::string path = WindowsPath(f.path);
    EXPECT_EQ(VersionString(path, "OriginalFilename"), f.fileName);
    EXPECT_EQ(VersionString(path, "ProductVersion"), built::kVersion) << f.fileName;
    EXPECT_EQ(VersionString(path, "ProductName"), "quorvelan") << f.fileName;
  }
}

using RatePlan = int(__stdcall*)(int, int);

// The library copied into a folder of its own, so that its rateplan.ini
// lands there.
class RateplanLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    const HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!probe) GTEST_SKIP() << "no screen to show the calculator on";
    DestroyWindow(probe);
    ASSERT_TRUE(CopyInto(WindowsPath(built::kRateplan), folder_.path()));
    library_ = LoadLibraryA((folder_.path() + "rateplan.dll").c_str());
    ASSERT_NE(library_, nullptr);
    rateplan_ = reinterpret_cast<RatePlan>(reinterpret_cast<void*>(GetProcAddress(library_, "rateplan")));
    ASSERT_NE(rateplan_, nullptr) << "no export named exactly \"rateplan\"";
  }
  void TearDown() override {
    if (library_) FreeLibrary(library_);
  }

  // Calls rateplan(audioKbps, 0) on this thread while `user` acts on the
  // dialog from another, as a person would.
  int RunWithUser(int audioKbps, const std::function<void(HWND)>& user) {
    std::thread person([&] {
      // The dialog shows itself once its fields are filled.
      for (int i = 0; i < 200; ++i) {
        const HWND dialog = FindWindowA(nullptr, "Bitrate calculator");
        if (dialog && IsWindowVisible(dialog)) {
          user(dialog);
          return;
        }
        Sleep(50);
      }
    });
    const int result = rateplan_(audioKbps, 0);
    person.join();
    return result;
  }

  static std::string Field(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
  }

  static void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  }

  ScratchFolder folder_{"rateplan"};
  HMODULE library_ = nullptr;
  RatePlan rateplan_ = nullptr;
};

TEST_F(RateplanLibrary, ReturnsTheVideoBitrateAndRemembersTheInputs) {
  ASSERT_TRUE(WriteBytes(folder_.path() + "rateplan.ini", "[rateplan]\r\nduration=1:00:00\r\nsize=100\r\n"));
  std::string shownDuration, shownAudio, firstResult, secondResult;
  const int result = RunWithUser(64, [&](HWND dialog) {
    shownDuration = Field(dialog, IDC_RATE_DURATION);
    shownAudio = Field(dialog, IDC_RATE_AUDIO);
    firstResult = Field(dialog, IDC_RATE_RESULT);
    SetDlgItemTextA(dialog, IDC_RATE_SIZE, "200");
    secondResult = Field(dialog, IDC_RATE_RESULT);
    Press(dialog, IDOK);
  });
  EXPECT_EQ(result, 402);
  EXPECT_EQ(shownDuration, "1:00:00");
  EXPECT_EQ(shownAudio, "64 kbit/s");
  EXPECT_EQ(firstResult, "169 kbit/s");
  EXPECT_EQ(secondResult, "402 kbit/s");

  std::string remembered;
  EXPECT_EQ(RunWithUser(0, [&](HWND dialog) {
              remembered = Field(dialog, IDC_RATE_SIZE);
              Press(dialog, IDCANCEL);
            }),
            -1);
  EXPECT_EQ(remembered, "200");
}

TEST_F(RateplanLibrary, KeepsAskingUntilTheInputsMakeSense) {
  bool stillOpen = false;
  const int result = RunWithUser(0, [&](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_RATE_DURATION, "1:75:00");
    SetDlgItemTextA(dialog, IDC_RATE_SIZE, "700");
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    stillOpen = IsWindow(dialog) && IsWindowVisible(dialog);
    Press(dialog, IDCANCEL);
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(result, -1);
  // Nothing accepted, nothing remembered.
  EXPECT_FALSE(Exists(folder_.path() + "rateplan.ini"));
}

}  // namespace
}  // namespace qv::testing
