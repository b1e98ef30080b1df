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

// Writes `text` to `path` part by part. With `asciiOnly`, nullopt (and
// nothing written) at the first part that is not all ASCII: the one look at
// each part, just before it is written, chooses the code page.
std::optional<bool> WriteParts(platform::FileSystem& files, const std::string& path, const platform::LinesText& text,
                               bool asciiOnly) {
  const std::unique_ptr<platform::FileWriter> file = files.WriteInParts(path);
  const auto put = [&](std::string_view part) {
    if (asciiOnly && !IsAscii(part)) return false;
    file->Write(part);
    return true;
  };
  if (!put(text.head)) return std::nullopt;
  for (const std::string& line : text.lines) {
    if (!put(line) || !put(text.lineEnd)) return std::nullopt;
  }
  if (!put(text.tail)) return std::nullopt;
  return file->Commit();
}

}  // namespace

bool Utf8Carries(std::string_view text) { return IsAscii(text) || (IsUtf8(text) && !HoldsLoneSurrogate(text)); }

std::optional<std::string> BatchBytes(std::string text, std::string_view last, platform::CodePages& codePages) {
  if (IsAscii(text)) return std::move(text.append(last));
  if (std::optional<std::string> oem = codePages.ToOem(text)) return std::move(oem->append(last));
  if (!Utf8Carries(text)) return std::nullopt;
  return std::move(SwitchedToUtf8(text, kRemembered, kRememberLine).append(last));
}

bool WriteBatchBytes(platform::FileSystem& files, platform::CodePages& codePages, const std::string& path,
                     std::string_view head, const std::vector<std::string>& lines, std::string_view last) {
  if (const std::optional<bool> written = WriteParts(files, path, {head, lines, "\r\n", last}, true)) return *written;
  const std::optional<std::string> bytes = BatchBytes(platform::LinesText{head, lines, "\r\n", {}}.Joined(), last, codePages);
  return bytes && files.WriteFile(path, *bytes);
}

bool WriteLinesText(platform::FileSystem& files, const std::string& path, const platform::LinesText& text) {
  return WriteParts(files, path, text, false).value_or(false);
}

}  // namespace qv
