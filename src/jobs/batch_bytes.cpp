#include "jobs/batch_bytes.h"

#include <algorithm>

#include "text/wide_text.h"

namespace qv {
namespace {

// The code page is read from what "chcp" prints, whatever its language: the
// last word, with a dot after it dropped ("Aktive Codepage: 850."). Being
// local to the batch (kBatchOpenLine), the remembered number survives a
// batch of the same kind that this one calls.
constexpr std::string_view kSwitchLines =
    "@for /f \"tokens=*\" %%a in ('chcp') do @for %%b in (%%a) do @set \"quorvelan_cp=%%~nb\"\r\n"
    "@chcp 65001 >nul\r\n";
constexpr std::string_view kRestoreLine = "@chcp %quorvelan_cp% >nul\r\n";

std::size_t FirstLineNotAscii(std::string_view text) {
  const auto high = std::find_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (high == text.end()) return text.size();
  const std::size_t lineEnd = text.rfind('\n', static_cast<std::size_t>(high - text.begin()));
  return lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
}

}  // namespace

bool Utf8Carries(std::string_view text) { return IsAscii(text) || (IsUtf8(text) && !HoldsLoneSurrogate(text)); }

std::optional<std::string> BatchBytes(std::string text, std::string_view last, platform::CodePages& codePages) {
  if (IsAscii(text)) return std::move(text.append(last));
  if (std::optional<std::string> oem = codePages.ToOem(text)) return std::move(oem->append(last));
  if (!Utf8Carries(text)) return std::nullopt;
  const std::size_t switchAt = FirstLineNotAscii(text);
  std::string bytes;
  bytes.reserve(text.size() + kSwitchLines.size() + kRestoreLine.size() + last.size());
  bytes.append(text, 0, switchAt).append(kSwitchLines).append(text, switchAt).append(kRestoreLine).append(last);
  return bytes;
}

}  // namespace qv
