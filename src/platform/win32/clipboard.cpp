#include <windows.h>

#include <cstring>

#include "platform/win32/win32_platform.h"
#include "text/wide_text.h"

namespace qv::platform {
namespace {

// Another program may hold the clipboard for a moment.
bool OpenClipboardWithRetry() {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(nullptr)) return true;
    ::Sleep(10);
  }
  return false;
}

// A movable global block holding the text and its NUL, as CF_UNICODETEXT wants.
HGLOBAL TextBlock(const std::wstring& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (block == nullptr) return nullptr;
  void* memory = GlobalLock(block);
  if (memory == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(memory, text.c_str(), bytes);
  GlobalUnlock(block);
  return block;
}

}  // namespace

void Win32Clipboard::SetText(const std::string& text) {
  if (!OpenClipboardWithRetry()) return;
  EmptyClipboard();
  if (!text.empty()) {
    const HGLOBAL block = TextBlock(Widen(text));
    // Once set, the block belongs to the clipboard; otherwise it is ours to free.
    if (block != nullptr && SetClipboardData(CF_UNICODETEXT, block) == nullptr) GlobalFree(block);
  }
  CloseClipboard();
}

}  // namespace qv::platform
