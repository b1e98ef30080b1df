#include "platform/win32/window_text.h"

#include "text/wide_text.h"

namespace qv::platform {

std::string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void WriteWindowText(HWND window, const std::string& text) { SetWindowTextW(window, Widen(text).c_str()); }

}  // namespace qv::platform
