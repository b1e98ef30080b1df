#include "text/case_fold.h"

#include "text/wide_text.h"

namespace qv {
namespace {

// A run of capitals: every `step`-th code point from `first` to `last` has
// its small letter `offset` further on.
struct CapitalRun {
  char32_t first;
  char32_t last;
  char32_t step;
  char32_t offset;
};

constexpr CapitalRun kCapitals[] = {
    {0x0041, 0x005A, 1, 0x20},  {0x00C0, 0x00D6, 1, 0x20}, {0x00D8, 0x00DE, 1, 0x20},  // Latin, Latin-1
    {0x0100, 0x012E, 2, 1},     {0x0132, 0x0136, 2, 1},    {0x0139, 0x0147, 2, 1},     // Latin Extended-A
    {0x014A, 0x0176, 2, 1},     {0x0179, 0x017D, 2, 1},                                //
    {0x0386, 0x0386, 1, 0x26},  {0x0388, 0x038A, 1, 0x25}, {0x038C, 0x038C, 1, 0x40},  // Greek
    {0x038E, 0x038F, 1, 0x3F},  {0x0391, 0x03A1, 1, 0x20}, {0x03A3, 0x03AB, 1, 0x20},  //
    {0x0400, 0x040F, 1, 0x50},  {0x0410, 0x042F, 1, 0x20}, {0x0460, 0x0480, 2, 1},     // Cyrillic
    {0x048A, 0x04BE, 2, 1},     {0x04C1, 0x04CD, 2, 1},    {0x04D0, 0x052E, 2, 1},     //
    {0x0531, 0x0556, 1, 0x30},  {0x1E00, 0x1E94, 2, 1},    {0x1EA0, 0x1EFE, 2, 1},     // Armenian, Vietnamese
    {0xFF21, 0xFF3A, 1, 0x20},                                                         // fullwidth Latin
};

char32_t Small(char32_t point) {
  for (const CapitalRun& run : kCapitals) {
    if (point >= run.first && point <= run.last && (point - run.first) % run.step == 0) return point + run.offset;
  }
  return point == 0x0178 ? 0x00FF : point;  // Ÿ, whose small letter lies in Latin-1
}

}  // namespace

std::string FoldCase(std::string_view utf8) {
  std::string folded(utf8);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (IsAscii(folded)) return folded;
  std::wstring wide = Widen(utf8);
  for (wchar_t& unit : wide) unit = static_cast<wchar_t>(Small(static_cast<char32_t>(unit)));
  const std::string narrowed = Narrow(wide);
  // Bytes that are no UTF-8 would come back as replacement characters.
  return IsUtf8(utf8) ? narrowed : folded;
}

}  // namespace qv
