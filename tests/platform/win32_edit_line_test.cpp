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
  for (int i = 0; i < 1000; ++i, Sleep(10)) {
    const HWND dialog = FindWindowA("#32770", kTitle);
    if (dialog && IsWindowVisible(dialog)) return dialog;
  }
  return nullptr;
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
    char prompt[256] = {};
    GetWindowTextA(FindWindowExA(dialog, nullptr, "Static", nullptr), prompt, sizeof(prompt));
    seen.prompt = prompt;
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

TEST(Win32EditLineTest, ReturnsTheEditedTextOnOkAndNothingOnCancelFromAFixedCentredBox) {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const int width = MulDiv(300, dpi, 96), height = MulDiv(130, dpi, 96);
  struct Case {
    const char* name;
    std::string text;
    std::function<void(HWND dialog, HWND edit)> act;
    std::optional<std::string> expected;
  };
  // The typed letter lands after the text only if the caret starts at its end.
  const auto typeX = [](HWND edit) { PostMessageA(edit, WM_CHAR, 'X', 1); };
  const std::string line = "x264.exe --pass 1";
  const std::string longLine(40000, 'a');  // longer than an edit field takes by default
  const Case cases[] = {
      {"Enter", line, [&](HWND, HWND edit) { typeX(edit); PressKey(edit, VK_RETURN); }, line + "X"},
      {"OK button", line,
       [&](HWND dialog, HWND edit) {
         typeX(edit);
         PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
       },
       line + "X"},
      {"Escape", line, [&](HWND, HWND edit) { typeX(edit); PressKey(edit, VK_ESCAPE); }, std::nullopt},
      {"close box", "", [](HWND dialog, HWND) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, std::nullopt},
      {"long line", longLine, [](HWND, HWND edit) { PressKey(edit, VK_RETURN); }, longLine},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Seen seen;
    EXPECT_EQ(EditWith(c.text, c.act, seen), c.expected);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.prompt, "For expert only!");
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_EQ(seen.frame.right - seen.frame.left, width);
    EXPECT_EQ(seen.frame.bottom - seen.frame.top, height);
    EXPECT_EQ(seen.frame.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(seen.frame.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  }
}

}  // namespace
}  // namespace qv::platform
