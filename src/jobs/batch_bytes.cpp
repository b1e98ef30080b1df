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

// Writes `text` to `path` a quarter megabyte at a time. With `asciiOnly`,
// nullopt (and nothing written) at the first piece that is not all ASCII:
// the one look at each piece, just before it is written, chooses the code
// page, and a look at a large piece costs a fraction of one at each line.
std::optional<bool> WriteParts(platform::FileSystem& files, const std::string& path, const platform::LinesText& text,
                               bool asciiOnly) {
  constexpr std::size_t kPiece = 1 << 18;
  const std::unique_ptr<platform::FileWriter> file = files.WriteInParts(path);
  std::string piece;
  piece.reserve(2 * kPiece);
  const auto put = [&](std::string_view part, bool last) {
    piece.append(part);
    if (piece.size() < kPiece && !last) return true;
    if (asciiOnly && !IsAscii(piece)) return false;
    file->Write(piece);
    piece.clear();
    return true;
  };
  if (!put(text.head, false)) return std::nullopt;
  for (const std::string& line : text.lines) {
    piece.append(line);
    if (!put(text.lineEnd, false)) return std::nullopt;
  }
  if (!put(text.tail, true)) return std::nullopt;
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
