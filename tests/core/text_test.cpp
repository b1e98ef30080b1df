// The text helpers read only the text they are given: a view into a longer
// buffer ends where the view ends.

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "text/batch_text.h"
#include "text/case_fold.h"
#include "text/leading_integer.h"
#include "text/number_text.h"
#include "text/path_parts.h"
#include "text/text_lines.h"
#include "text/wide_text.h"
#include "text/wildcard_match.h"
#include "tools/support/data_table.h"

namespace qv {
namespace {

TEST(LeadingInteger, ReadsSignAndDigitsUpToTheEndOfTheView) {
  struct Case {
    std::string_view text;
    std::int32_t value;
  } cases[] = {
      {std::string_view("123456").substr(0, 2), 12}, {std::string_view("-7").substr(0, 1), 0},
      {" \t+42x", 42},   {"-0012", -12},  {"--1", 0},  {"", 0},  {"1.9", 1},
      {"99999999999", 2147483647},  {"-99999999999", -2147483647 - 1},  {"2147483648", 2147483647},
  };
  for (const Case& c : cases) EXPECT_EQ(LeadingInteger(c.text), c.value) << c.text;
}

// A list whose last line has no line end must still end (and keep that line).
TEST(TextLines, SplitEveryLineEndAndALastLineWithoutOne) {
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(SplitLines("a\r\n\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines(std::string_view("a\nbc\n").substr(0, 4)), (Lines{"a", "bc"}));
  EXPECT_EQ(SplitLines("a\r\r\n\r\n"), (Lines{"a\r", ""}));
  EXPECT_EQ(SplitLines(""), Lines{});
  std::string_view marked = "\xEF\xBB\xBF\xEF\xBB\xBFx";
  EXPECT_TRUE(SkipByteOrderMark(marked));
  EXPECT_EQ(marked, "\xEF\xBB\xBFx");
  std::string_view cut = std::string_view(marked).substr(0, 2);
  EXPECT_FALSE(SkipByteOrderMark(cut));
}

TEST(PathParts, TellWhereAPathStartsAndItsRoot) {
  const struct {
    std::string_view path;
    PathStart start;
    std::string_view root;
  } cases[] = {
      {"C:\\v\\x", PathStart::Itself, "C:"},           {"z:/x", PathStart::Itself, "z:"},
      {"Z:x", PathStart::DriveFolder, "Z:"},            {"Z:", PathStart::DriveFolder, "Z:"},
      {"\\v\\x", PathStart::DriveRoot, ""},            {"/home/x", PathStart::DriveRoot, ""},
      {"\\\\srv\\share\\v", PathStart::Itself, "\\\\srv\\share"}, {"//srv/share", PathStart::Itself, "//srv/share"},
      {"\\\\?\\C:\\v", PathStart::Itself, "\\\\?\\C:"},
      {"\\\\?\\UNC\\srv\\share\\v", PathStart::Itself, "\\\\?\\UNC\\srv\\share"},
      {"v\\x", PathStart::CurrentFolder, ""},            {"1:x", PathStart::CurrentFolder, ""},
      {"", PathStart::CurrentFolder, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StartOf(c.path), c.start) << c.path;
    EXPECT_EQ(RootPart(c.path), c.root) << c.path;
  }
}

TEST(NumberText, TakesTheNumberTheTextStartsWithAndNoMore) {
  struct Case {
    std::string_view text;
    bool fraction;
    std::optional<std::string> number;
  } cases[] = {
      {"0.9", true, "0.9"},   {"0.9", false, "0"},      {" +26abc", false, "26"}, {"-2", false, "-2"},
      {"5.", true, "5"},      {".5", true, std::nullopt}, {"x1", false, std::nullopt}, {"-", false, std::nullopt},
      {"007", false, "007"},  {"1.2.3", true, "1.2"},   {std::string_view("0.9").substr(0, 2), true, "0"},
  };
  for (const Case& c : cases) EXPECT_EQ(NumberText(c.text, c.fraction), c.number) << c.text;
}

TEST(WildcardMatch, MatchesOnlyWithinTheViewsAndIgnoresCase) {
  struct Case {
    std::string_view pattern, name;
    bool matches;
  } cases[] = {
      {std::string_view("*.ini*").substr(0, 5), "x.inix", false},
      {std::string_view("a?x").substr(0, 2), "ab", true},
      {std::string_view("*a*").substr(0, 2), "aba", true},
      {"*.INI", "config.ini", true},  {"*.ini", ".ini", true},  {"a*b*c", "aXbYbZc", true},
      {"a*b", "a", false},  {"?", "", false},  {"*", "", true},  {"x.avs", "x.avsi", false},
  };
  for (const Case& c : cases) EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
}

// Every name Windows allows comes back unchanged, lone surrogates included;
// bytes that are no UTF-8 become replacement characters.
TEST(WideText, CarriesEveryNameBothWays) {
  const std::wstring names[] = {L"plain.avs", L"caf\u00e9", L"\u0424\u0430\u0439\u043b", L"\u6587\u4ef6",
                                L"\U0001F3AC x", std::wstring(1, wchar_t(0xD800)) + L"a",
                                std::wstring(1, wchar_t(0xDC00))};
  for (const std::wstring& name : names) EXPECT_EQ(Widen(Narrow(name)), name);
  // UTF-16 at the edges of each length of sequence, and lone surrogates.
  const std::pair<std::u16string, std::string_view> edges[] = {
      {u"\u007F\u0080", "\x7F\xC2\x80"},       {u"\u07FF\u0800", "\xDF\xBF\xE0\xA0\x80"},
      {u"\uFFFF", "\xEF\xBF\xBF"},              {u"\U00010000\U0010FFFF", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
      {u"\xD800", "\xED\xA0\x80"},              {u"\xDBFF\xDBFF\xDFFF", "\xED\xAF\xBF\xF4\x8F\xBF\xBF"},
      {u"\xDC00\xD800", "\xED\xB0\x80\xED\xA0\x80"}, {u"a\xDC00", "a\xED\xB0\x80"}};
  for (const auto& [utf16, utf8] : edges) {
    EXPECT_EQ(FromUtf16(utf16), utf8);
    EXPECT_EQ(ToUtf16(utf8), utf16);
  }
  EXPECT_EQ(Narrow(L"caf\u00e9 \U0001F3AC"), "caf\xC3\xA9 \xF0\x9F\x8E\xAC");
  // Two surrogates are a pair only where wide characters are UTF-16.
  const wchar_t halves[] = {wchar_t(0xD83C), wchar_t(0xDFAC)};
  EXPECT_EQ(Narrow(std::wstring_view(halves, 2)),
            sizeof(wchar_t) == 2 ? "\xF0\x9F\x8E\xAC" : "\xED\xA0\xBC\xED\xBE\xAC");
  struct Case {
    std::string_view bytes;
    bool utf8;
    std::wstring wide;
  } cases[] = {{"a\xC3\xA9", true, L"a\u00e9"},       {"\xC3", false, L"\uFFFD"},
               {"\xC0\xAF", false, L"\uFFFD\uFFFD"}, {"\xE9t\xE9", false, L"\uFFFDt\uFFFD"},
               {"\xEF\xBF\xBD", true, L"\uFFFD"},     {"\xF4\x90\x80\x80", false, L"\uFFFD\uFFFD\uFFFD\uFFFD"},
               {std::string_view("\xE6\x96\x87x").substr(0, 2), false, L"\uFFFD\uFFFD"}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsUtf8(c.bytes), c.utf8) << c.bytes;
    EXPECT_EQ(Widen(c.bytes), c.wide) << c.bytes;
  }
}

// Every spelling of one file gives its key, letters of every script
// upper-cased by Windows' own table; bytes that are no UTF-8 keep all but the
// ASCII letters.
TEST(PortablePathKey, GivesEverySpellingOfAFileItsKey) {
  for (const testing::Row& row : testing::ReadTable("path_keys.tsv")) {
    ASSERT_EQ(row.size(), 2u);
    EXPECT_EQ(PortablePathKey(row[0], "C:\\W\\"), row[1]) << row[0];
  }
  EXPECT_EQ(FoldCase("a\xC3x\xC3\xA4"), "A\xC3X\xC3\xA4");
}

// The interpreter's own commands get the long form from 260 characters on,
// counted as the system counts them (a character beyond the first plane is
// two); a path that the long form cannot name, that is in it already or
// that is relative to a drive's current folder stays as it is.
TEST(InterpreterQuoted, TakesTheLongFormFromTheClassicLimitOn) {
  const std::string name(250, 'a');
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\" + name + "12.avs", "\"C:\\" + name + "12.avs\""},
      {"C:\\" + name + "😀1.avs", "\"\\\\?\\C:\\" + name + "😀1.avs\""},
      {"\\\\srv\\" + name + ".avs", "\"\\\\?\\UNC\\srv\\" + name + ".avs\""},
      {"C:\\..\\" + name + ".avs", "\"C:\\..\\" + name + ".avs\""},
      {"C:" + name + "123456789.avs", "\"C:" + name + "123456789.avs\""},
      {"\\\\?\\C:\\" + name + "12.avs", "\"\\\\?\\C:\\" + name + "12.avs\""},
      {"C:/" + name + "12345.avs", "\"C:/" + name + "12345.avs\""},
  };
  for (const auto& [path, quoted] : cases) EXPECT_EQ(InterpreterQuoted(path), quoted) << path.size();
  EXPECT_FALSE(HoldsLoneSurrogate("clip\xED\x9F\xBF"));  // U+D7FF, the last one before them
  EXPECT_TRUE(HoldsLoneSurrogate("clip\xED\xBF\xBF.avs"));
  EXPECT_FALSE(HoldsLoneSurrogate(std::string_view("clip\xED\xA0\x80", 5))) << "nothing past the view's end is read";
}

}  // namespace
}  // namespace qv
