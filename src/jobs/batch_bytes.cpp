#include "jobs/batch_bytes.h"

#include "text/batch_text.h"
#include "text/wide_text.h"

namespace qv {
namespace {

// The code page is read from what "chcp" prints, whatever its language: the
// last word, with a dot after it dropped ("Aktive Codepage: 850."). Being
// local to the batch (kBatchOpenLine), the remembered number survives a
// batch of the same kind that this one calls.
constexpr std::string_view kRememberLine =
    "@for /f \"tokens=*\" %%a in ('chcp') do @for %%b in (%%a) do @set \"quorvelan_cp=%%~nb\"\r\n";
constexpr std::string_view kRemembered = "%quorvelan_cp%";

}  // namespace

bool Utf8Carries(std::string_view text) { return IsAscii(text) || (IsUtf8(text) && !HoldsLoneSurrogate(text)); }

std::optional<std::string> BatchBytes(std::string text, std::string_view last, platform::CodePages& codePages) {
  if (IsAscii(text)) return std::move(text.append(last));
  if (std::optional<std::string> oem = codePages.ToOem(text)) return std::move(oem->append(last));
  if (!Utf8Carries(text)) return std::nullopt;
  return std::move(SwitchedToUtf8(text, kRemembered, kRememberLine).append(last));
}

}  // namespace qv
