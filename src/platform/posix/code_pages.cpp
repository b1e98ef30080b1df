#include "platform/posix/posix_platform.h"
#include "text/wide_text.h"

namespace qv::platform {
namespace {

// Windows-1252 at 0x80..0x9F, where it differs from Latin-1; the five bytes
// it leaves undefined stand for the control characters of their number, as
// Windows reads them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

std::optional<std::string> PosixCodePages::AsciiOnly(std::string_view utf8) {
  for (const char c : utf8) {
    if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
  }
  return std::string(utf8);
}

std::string PosixCodePages::FromAnsi(std::string_view bytes) {
  std::wstring wide;
  wide.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    wide += static_cast<wchar_t>(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte);
  }
  return Narrow(wide);
}

}  // namespace qv::platform
