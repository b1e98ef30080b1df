#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_platform.h"

namespace qv::platform {
namespace {

TEST(Win32ClipboardTest, HoldsTheTextAndIsEmptiedByEmptyText) {
  Win32Clipboard clipboard;
  auto clipboardText = []() -> std::optional<std::string> {
    if (!OpenClipboard(nullptr)) return std::nullopt;
    std::optional<std::string> text;
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
      if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
        text = chars;
        GlobalUnlock(data);
      }
    }
    CloseClipboard();
    return text;
  };

  clipboard.SetText("1234 kbit/s");
  EXPECT_EQ(clipboardText(), "1234 kbit/s");
  clipboard.SetText("");
  EXPECT_EQ(clipboardText(), std::nullopt);
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
}

}  // namespace
}  // namespace qv::platform
