#include <windows.h>

#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "platform/win32/win32_platform.h"

namespace qv::platform {
namespace {

const char kTitle[] = "Edit";

// What a second thread saw of the open requester before it acted on it.
struct Seen {
  bool found = false;
  RECT frame{};
  std::string prompt;
  bool ownerEnabled = true;
};

HWND AwaitRequester() {
  for (int i = 0; i < 1000; ++i) {
    if (const HWND dialog = FindWindowA("#32770", kTitle)) {
      if (IsWindowVisible(dialog)) return dialog;
    }
    Sleep(10);
  }
  return nullptr;
}

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

// Opens the requester over an active owner window while another thread
// inspects it and then does what `act` does, as a user would.
std::optional<std::string> EditWith(const std::string& text, const std::function<void(HWND dialog, HWND edit)>& act,
                                    Seen& seen) {
  const HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
  SetForegroundWindow(owner);
  SetActiveWindow(owner);

  std::thread user([&] {
    const HWND dialog = AwaitRequester();
    if (dialog == nullptr) return;
    seen.found = true;
    GetWindowRect(dialog, &seen.frame);
    seen.prompt = TextOf(FindWindowExA(dialog, nullptr, "Static", nullptr));
    seen.ownerEnabled = IsWindowEnabled(owner) != FALSE;
    act(dialog, FindWindowExA(dialog, nullptr, "Edit", nullptr));
  });
  Win32Dialogs dialogs;
  const auto result = dialogs.EditLine(kTitle, "For expert only!", text);
  user.join();
  DestroyWindow(owner);
  return result;
}

void PressKey(HWND window, WPARAM key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

TEST(Win32EditLineTest, ReturnsTheEditedTextOnOkAndNothingOnCancel) {
  struct Case {
    const char* name;
    std::function<void(HWND dialog, HWND edit)> act;
    std::optional<std::string> expected;
  };
  // The typed letter lands after the text only if the caret starts at its end.
  const auto typeX = [](HWND edit) { PostMessageA(edit, WM_CHAR, 'X', 1); };
  const Case cases[] = {
      {"Enter", [&](HWND, HWND edit) { typeX(edit); PressKey(edit, VK_RETURN); }, "x264.exe --pass 1X"},
      {"OK button",
       [&](HWND dialog, HWND edit) {
         typeX(edit);
         PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
       },
       "x264.exe --pass 1X"},
      {"Escape", [&](HWND, HWND edit) { typeX(edit); PressKey(edit, VK_ESCAPE); }, std::nullopt},
      {"close box", [](HWND dialog, HWND) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, std::nullopt},
  };
  for (const Case& c : cases) {
    Seen seen;
    EXPECT_EQ(EditWith("x264.exe --pass 1", c.act, seen), c.expected) << c.name;
    ASSERT_TRUE(seen.found) << c.name;
    EXPECT_EQ(seen.prompt, "For expert only!") << c.name;
    EXPECT_FALSE(seen.ownerEnabled) << c.name;
  }
}

TEST(Win32EditLineTest, IsThreeHundredByOneHundredThirtyCentredOnTheScreen) {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  Seen seen;
  EditWith("", [](HWND dialog, HWND) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, seen);
  ASSERT_TRUE(seen.found);
  const int width = MulDiv(300, dpi, 96);
  const int height = MulDiv(130, dpi, 96);
  EXPECT_EQ(seen.frame.right - seen.frame.left, width);
  EXPECT_EQ(seen.frame.bottom - seen.frame.top, height);
  EXPECT_EQ(seen.frame.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(seen.frame.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

TEST(Win32EditLineTest, KeepsALineLongerThanAnEditFieldTakesByDefault) {
  const std::string longLine(40000, 'a');
  Seen seen;
  const auto result = EditWith(longLine, [](HWND, HWND edit) { PressKey(edit, VK_RETURN); }, seen);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->size(), longLine.size());
}

}  // namespace
}  // namespace qv::platform
