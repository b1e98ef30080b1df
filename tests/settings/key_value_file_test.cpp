#include "settings/key_value_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace qv {
namespace {

using namespace std::string_literals;

struct TextCase {
  const char* name;
  std::string bytes;
  const char* key;
  std::optional<std::string> expected;  // nullopt: the key is not found
};

class ReadTextRules : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReadTextRules, FindsTheValueTheRulesImply) {
  const TextCase& c = GetParam();
  const KeyValueFile file = KeyValueFile::Parse(c.bytes);
  EXPECT_EQ(file.Has(c.key), c.expected.has_value());
  EXPECT_EQ(file.ReadText(c.key, "<missing>"), c.expected.value_or("<missing>"));
}

INSTANTIATE_TEST_SUITE_P(
    KeyValueFile, ReadTextRules,
    ::testing::Values(
        TextCase{"Tidy", "a = 1\r\nb = 2\r\n", "b", "2"},
        TextCase{"NoBlanksAroundEquals", "mode=2", "mode", "2"},
        TextCase{"BlanksAndTabsAroundEquals", "mode \t = \t 2", "mode", "2"},
        TextCase{"LeadingBlanksOfLine", " \t mode = 2", "mode", "2"},
        TextCase{"KeyInCapitals", "MODE = 2", "mode", "2"},
        TextCase{"LookupInCapitals", "mode = 2", "MoDe", "2"},
        TextCase{"BlankInsideKeyKept", "mo de = 2", "mo de", "2"},
        TextCase{"FirstOccurrenceCounts", "a = 1\r\nA = 2\r\na = 3", "a", "1"},
        TextCase{"CommentLineIgnored", "; a = 1\r\na = 2", "a", "2"},
        TextCase{"IndentedComment", "  ;a = 1", "a", std::nullopt},
        TextCase{"SemicolonInValueKept", "cqm = a;b", "cqm", "a;b"},
        TextCase{"FurtherEqualsInValue", "a = b=c = d", "a", "b=c = d"},
        TextCase{"TrailingBlanksTrimmed", "a =  x y \t ", "a", "x y"},
        TextCase{"EmptyValueFound", "avsinc = ", "avsinc", ""},
        TextCase{"GroupLineHidesTheRest", "a = 1\r\n[group]\r\nb = 2", "b", std::nullopt},
        TextCase{"KeysBeforeGroupStillFound", "a = 1\r\n[group]\r\nb = 2", "a", "1"},
        TextCase{"IndentedGroupLine", "  [x]\nb = 2", "b", std::nullopt},
        TextCase{"FirstMatchBeforeGroupWins", "b = 1\n[g]\nb = 2", "b", "1"},
        TextCase{"BracketInsideValueIsNoGroup", "a = [x]\nb = 2", "b", "2"},
        TextCase{"BareLf", "a = 1\nb = 2\n", "b", "2"},
        TextCase{"BareCr", "a = 1\rb = 2\r", "b", "2"},
        TextCase{"RunsOfLineEnds", "\r\n\r\n\n\ra = 1\r\r\n\nb = 2", "b", "2"},
        TextCase{"LineWithoutEqualsCrLf", "flag\r\nb = 2", "flag", ""},
        TextCase{"LineWithoutEqualsLf", "flag \nb = 2", "flag", ""},
        TextCase{"LineWithoutEqualsCr", "flag\rb = 2", "flag", ""},
        TextCase{"KeyIsNotAPrefixMatch", "ab = 1", "a", std::nullopt},
        TextCase{"EmptyFile", "", "a", std::nullopt},
        TextCase{"NulBytesInValueKept", "a = x\0y\nb = 2"s, "a", "x\0y"s},
        TextCase{"NulByteInKey", "a\0 = 1\na = 2"s, "a", "2"},
        TextCase{"BomSkipped", "\xEF\xBB\xBF" "a = 1", "a", "1"},
        TextCase{"BomOnlyAtStart", "b = 1\n\xEF\xBB\xBF" "a = 1", "\xEF\xBB\xBF" "a", "1"},
        TextCase{"Latin1WithoutBomUntouched", "a = \xE9t\xE9", "a", "\xE9t\xE9"},
        TextCase{"Utf8ToLatin1", "\xEF\xBB\xBF" "a = \xC3\xA9t\xC3\xA9", "a", "\xE9t\xE9"},
        TextCase{"BeyondLatin1BecomesQuestionMark", "\xEF\xBB\xBF" "a = x\xE2\x82\xACy\xF0\x9F\x98\x80z", "a",
                 "x?y?z"},
        TextCase{"InvalidUtf8BytesBecomeQuestionMarks", "\xEF\xBB\xBF" "a = \x80\xC3(\xFF\xE2\x82", "a",
                 "?" "?(" "???"},
        TextCase{"OverlongSemicolonStaysReplaced", "\xEF\xBB\xBF" "a = \xC0\xBB", "a", "??"},
        TextCase{"Utf8KeyMatchedAsBytes", "\xEF\xBB\xBF\xC3\xA9 = 1", "\xC3\xA9", "1"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

struct NumberCase {
  const char* name;
  std::string bytes;
  std::int32_t expected;
};

class ReadNumberRules : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadNumberRules, ReadsTheLeadingInteger) {
  EXPECT_EQ(KeyValueFile::Parse(GetParam().bytes).ReadNumber("cab", 77), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    KeyValueFile, ReadNumberRules,
    ::testing::Values(NumberCase{"Plain", "cab = 1", 1}, NumberCase{"Negative", "cab = -1", -1},
                      NumberCase{"Plus", "cab = +12", 12}, NumberCase{"TrailingText", "cab = 12ab", 12},
                      NumberCase{"WordGivesZero", "cab = yes", 0}, NumberCase{"EmptyGivesZero", "cab =", 0},
                      NumberCase{"NoEqualsGivesZero", "cab", 0}, NumberCase{"MissingGivesFallback", "ca = 1", 77},
                      NumberCase{"FortyDigitsSaturate", "cab = 1234567890123456789012345678901234567890",
                                 2147483647},
                      NumberCase{"FortyDigitsNegative", "cab = -1234567890123456789012345678901234567890",
                                 -2147483647 - 1},
                      NumberCase{"Utf8FileDigits", "\xEF\xBB\xBF" "CAB = 3", 3}),
    [](const ::testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.name); });

TEST(KeyValueFile, WritesKeyBlankEqualsBlankValueCrLfInInsertionOrder) {
  KeyValueFile file;
  file.WriteNumber("b", -1);
  file.WriteText("a", "x");
  file.WriteText("avsinc", "");
  EXPECT_EQ(file.Serialize(), "b = -1\r\na = x\r\navsinc = \r\n");
}

TEST(KeyValueFile, WritingAnExistingKeyReplacesItInPlaceWithoutRegardToCase) {
  KeyValueFile file;
  file.WriteText("Mode", "1");
  file.WriteText("value", "26");
  file.WriteNumber("MODE", 2);
  EXPECT_EQ(file.Serialize(), "Mode = 2\r\nvalue = 26\r\n");
  EXPECT_EQ(file.ReadNumber("mode", 0), 2);
}

TEST(KeyValueFile, WritingToAParsedFileKeepsItsSettings) {
  KeyValueFile file = KeyValueFile::Parse("; note\r\na=1\r\nb =  2\r\n[g]\r\nc = 3");
  file.WriteText("B", "9");
  file.WriteText("d", "4");
  EXPECT_EQ(file.Serialize(), "a = 1\r\nb = 9\r\nd = 4\r\n");
  EXPECT_EQ(file.ReadText("a", ""), "1");
  EXPECT_FALSE(file.Has("c"));
}

TEST(KeyValueFile, ParsedFileSurvivesCopyAndMove) {
  KeyValueFile original = KeyValueFile::Parse("k = v");
  const KeyValueFile copy = original;
  const KeyValueFile moved = std::move(original);
  EXPECT_EQ(copy.ReadText("k", ""), "v");
  EXPECT_EQ(moved.ReadText("k", ""), "v");
}

// More distinct keys than the index holds: keys past it are found by
// scanning, with the same first-match and group-line rules.
TEST(KeyValueFile, KeysBeyondTheIndexAreFoundExactly) {
  std::string bytes;
  for (int i = 0; i < 10000; ++i) bytes += "k" + std::to_string(i) + " = " + std::to_string(i) + "\n";
  bytes += "K9999 = second\nlate = 1\nMode = 5\nmode = 6\n[g]\nhidden = 1\nvalue = 7\n";
  const KeyValueFile file = KeyValueFile::Parse(bytes);
  EXPECT_EQ(file.ReadText("k0", ""), "0");
  EXPECT_EQ(file.ReadText("k4095", ""), "4095");
  EXPECT_EQ(file.ReadText("k4096", ""), "4096");
  EXPECT_EQ(file.ReadText("k9999", ""), "9999");
  EXPECT_EQ(file.ReadNumber("LATE", 0), 1);
  EXPECT_EQ(file.ReadNumber("mode", 0), 5);
  EXPECT_EQ(file.ReadNumber("value", -1), -1);
  EXPECT_FALSE(file.Has("hidden"));
  EXPECT_FALSE(file.Has("k10000"));
}

TEST(KeyValueFile, MegabyteLineAndMegabyteKey) {
  const std::string longValue(1 << 20, 'x');
  const std::string longKey(1 << 20, 'K');
  const KeyValueFile file = KeyValueFile::Parse("a = " + longValue + "\r\n" + longKey + "\r\nb = 2");
  EXPECT_EQ(file.ReadText("a", ""), longValue);
  EXPECT_EQ(file.ReadText(std::string(1 << 20, 'k'), "?"), "");
  EXPECT_EQ(file.ReadNumber("b", 0), 2);
}

}  // namespace
}  // namespace qv
