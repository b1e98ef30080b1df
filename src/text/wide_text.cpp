#include "text/wide_text.h"

#include <cstdint>
#include <cstring>

namespace qv {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point at `i` and its length in bytes; a byte that starts no
// well-formed sequence is one replacement character.
char32_t Decode(std::string_view text, std::size_t i, std::size_t& length) {
  const auto lead = static_cast<unsigned char>(text[i]);
  length = 1;
  if (lead < 0x80) return lead;
  std::size_t count = 0;
  if (lead >= 0xC2 && lead <= 0xDF) count = 1;
  if (lead >= 0xE0 && lead <= 0xEF) count = 2;
  if (lead >= 0xF0 && lead <= 0xF4) count = 3;
  if (count == 0 || text.size() - i <= count) return kReplacement;
  char32_t point = lead & (0x3F >> count);
  for (std::size_t k = 1; k <= count; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    point = (point << 6) | (next & 0x3F);
  }
  // Overlong forms and points beyond Unicode are no characters.
  constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (point < kSmallest[count] || point > 0x10FFFF) return kReplacement;
  length = count + 1;
  return point;
}

void Encode(char32_t point, std::string& out) {
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (point >> 18));
    out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// UTF-16 where the units are 16 bits wide (surrogate pairs beyond the basic
// plane), UTF-32 where they are wider.
template <typename Unit>
std::basic_string<Unit> ToUnits(std::string_view utf8) {
  std::basic_string<Unit> units;
  units.reserve(utf8.size());
  for (std::size_t i = 0, length = 0; i < utf8.size(); i += length) {
    const char32_t point = Decode(utf8, i, length);
    if (sizeof(Unit) == 2 && point >= 0x10000) {
      units += static_cast<Unit>(0xD800 + ((point - 0x10000) >> 10));
      units += static_cast<Unit>(0xDC00 + ((point - 0x10000) & 0x3FF));
    } else {
      units += static_cast<Unit>(point);
    }
  }
  return units;
}

template <typename Unit>
std::string FromUnits(std::basic_string_view<Unit> units) {
  std::string utf8;
  utf8.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    auto point = static_cast<char32_t>(units[i]);
    if (sizeof(Unit) == 2 && IsHighSurrogate(point) && i + 1 < units.size() &&
        IsLowSurrogate(static_cast<char32_t>(units[i + 1]))) {
      point = 0x10000 + ((point - 0xD800) << 10) + (static_cast<char32_t>(units[++i]) - 0xDC00);
    }
    Encode(point, utf8);
  }
  return utf8;
}

}  // namespace

std::wstring Widen(std::string_view utf8) { return ToUnits<wchar_t>(utf8); }
std::string Narrow(std::wstring_view wide) { return FromUnits(wide); }
std::u16string ToUtf16(std::string_view utf8) { return ToUnits<char16_t>(utf8); }
std::string FromUtf16(std::u16string_view utf16) { return FromUnits(utf16); }

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
  std::size_t length = 0;
  const bool replaced = Decode(text, at, length) == kReplacement && text.substr(at, 3) != "\xEF\xBF\xBD";
  return replaced ? 0 : length;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0, length = 0; i < text.size(); i += length) {
    if ((length = Utf8SequenceLength(text, i)) == 0) return false;
  }
  return true;
}

bool IsAscii(std::string_view text) {
  // The bytes' high bits gathered eight bytes at a time, without a test per
  // word, which the compiler turns into wide instructions: a batch of a
  // long job list is tens of megabytes.
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  const std::size_t words = text.size() / sizeof(std::uint64_t);
  std::uint64_t high = 0;
  for (std::size_t i = 0; i < words; ++i) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i * sizeof word, sizeof word);
    high |= word;
  }
  for (const char c : text.substr(words * sizeof high)) high |= static_cast<unsigned char>(c);
  return (high & kHighBits) == 0;
}

bool HoldsLoneSurrogate(std::string_view text) {
  // Surrogates are the three-byte forms ED A0 80 to ED BF BF.
  for (std::size_t at = text.find('\xED'); at != std::string_view::npos; at = text.find('\xED', at + 1)) {
    if (at + 1 < text.size() && static_cast<unsigned char>(text[at + 1]) >= 0xA0) return true;
  }
  return false;
}

}  // namespace qv
