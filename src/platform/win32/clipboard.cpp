#include <windows.h>

#include <cstring>

#include "platform/win32/win32_platform.h"

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

// A movable global block holding the text and its NUL, as CF_TEXT wants.
HGLOBAL TextBlock(const std::string& text) {
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (block == nullptr) return nullptr;
  void* memory = GlobalLock(block);
  if (memory == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(memory, text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  return block;
}

}  // namespace

void Win32Clipboard::SetText(const std::string& text) {
  if (!OpenClipboardWithRetry()) return;
  EmptyClipboard();
  if (!text.empty()) {
    const HGLOBAL block = TextBlock(text);
    // Once set, the block belongs to the clipboard; otherwise it is ours to free.
    if (block != nullptr && SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
  }
  CloseClipboard();
}

}  // namespace qv::platform
