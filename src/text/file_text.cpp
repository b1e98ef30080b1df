#include "text/file_text.h"

#include "text/text_lines.h"
#include "text/wide_text.h"

namespace qv {

std::string TextAsUtf8(std::string_view bytes, const AnsiDecoder& fromAnsi) {
  const bool marked = SkipByteOrderMark(bytes);
  if (IsUtf8(bytes)) return std::string(bytes);
  if (!marked) return fromAnsi(bytes);
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 2);
  for (std::size_t at = 0; at < bytes.size();) {
    std::size_t length = Utf8SequenceLength(bytes, at);
    if (length > 0) {
      text.append(bytes, at, length);
    } else {
      while (at + length < bytes.size() && Utf8SequenceLength(bytes, at + length) == 0) ++length;
      text += fromAnsi(bytes.substr(at, length));
    }
    at += length;
  }
  return text;
}

}  // namespace qv
