#include <windows.h>

#include "platform/win32/code_page_text.h"
#include "platform/win32/win32_platform.h"
#include "text/wide_text.h"

namespace qv::platform {
namespace {

std::wstring Decode(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), size);
  return wide;
}

}  // namespace

// The system's best-fit mapping is turned off, and the bytes must read back
// as the text, which also catches a default character where the system
// cannot report one (UTF-8 and a few other code pages).
std::optional<std::string> ToCodePage(unsigned codePage, std::string_view utf8) {
  if (!IsUtf8(utf8)) return std::nullopt;
  const std::wstring wide = Widen(utf8);
  if (wide.empty()) return std::string();
  const int length = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  DWORD flags = WC_NO_BEST_FIT_CHARS;
  BOOL* reportDefault = &usedDefault;
  int size = WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, reportDefault);
  if (size == 0 && GetLastError() != ERROR_NO_UNICODE_TRANSLATION) {
    flags = 0;
    reportDefault = nullptr;
    size = WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
  }
  if (size <= 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), length, bytes.data(), size, nullptr, reportDefault);
  if (usedDefault || Decode(codePage, bytes) != wide) return std::nullopt;
  return bytes;
}

std::string FromCodePage(unsigned codePage, std::string_view bytes) { return Narrow(Decode(codePage, bytes)); }

std::optional<std::string> Win32CodePages::ToOem(std::string_view utf8) { return ToCodePage(GetOEMCP(), utf8); }

std::optional<std::string> Win32CodePages::ToAnsi(std::string_view utf8) { return ToCodePage(GetACP(), utf8); }

std::string Win32CodePages::FromAnsi(std::string_view bytes) { return FromCodePage(GetACP(), bytes); }

}  // namespace qv::platform
