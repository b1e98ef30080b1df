#include "settings/key_value_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/leading_integer.h"

namespace qv {
namespace {

using namespace std::string_literals;

TEST(LeadingInteger, ReadsTheLeadingDecimalNumber) {
  struct Case {
    const char* text;
    std::int32_t value;
  };
  const Case cases[] = {
      {"", 0},          {"abc", 0},       {"12abc", 12},    {"  \t-7x", -7},   {"+5", 5},
      {"1.5", 1},       {"- 3", 0},       {"\n4", 0},       {"007", 7},        {"--1", 0},
      {"2147483647", 2147483647},         {"2147483648", 2147483647},
      {"-2147483648", -2147483647 - 1},   {"-2147483649", -2147483647 - 1},
      {"9999999999999999999999999999999999999999", 2147483647},
  };
  for (const Case& c : cases) EXPECT_EQ(LeadingInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(KeyValueFile, ReadTextFindsTheValueTheRulesImply) {
  struct Case {
    std::string bytes;
    const char* key;
    std::optional<std::string> expected;  // nullopt: the key is not found
  };
  const Case cases[] = {
      {"mode=2", "mode", "2"}, {" \t mode \t = \t 2", "mode", "2"}, {"MODE = 2", "MoDe", "2"},
      {"mo de = 2", "mo de", "2"}, {"a = 1\r\nA = 2\r\na = 3", "a", "1"}, {"; a = 1\r\na = 2", "a", "2"},
      {"  ;a = 1", "a", std::nullopt}, {"cqm = a;b", "cqm", "a;b"}, {"a = b=c = d", "a", "b=c = d"},
      {"a =  x y \t ", "a", "x y"}, {"avsinc = ", "avsinc", ""}, {"a = 1\r\n[group]\r\nb = 2", "b", std::nullopt},
      {"a = 1\r\n[group]\r\nb = 2", "a", "1"}, {"  [x]\nb = 2", "b", std::nullopt}, {"b = 1\n[g]\nb = 2", "b", "1"},
      {"a = [x]\nb = 2", "b", "2"}, {"a = 1\nb = 2\n", "b", "2"}, {"a = 1\rb = 2\r", "b", "2"},
      {"\r\n\r\n\n\ra = 1\r\r\n\nb = 2", "b", "2"}, {"flag\r\nb = 2", "flag", ""}, {"flag \nb = 2", "flag", ""},
      {"flag\rb = 2", "flag", ""}, {"ab = 1", "a", std::nullopt}, {"", "a", std::nullopt},
      {"a = x\0y\nb = 2"s, "a", "x\0y"s}, {"a\0 = 1\na = 2"s, "a", "2"}, {"\xEF\xBB\xBF" "a = 1", "a", "1"},
      {"b = 1\n\xEF\xBB\xBF" "a = 1", "\xEF\xBB\xBF" "a", "1"}, {"a = \xE9t\xE9", "a", "\xE9t\xE9"},
      {"\xEF\xBB\xBF" "a = \xC3\xA9t\xC3\xA9", "a", "\xE9t\xE9"},
      {"\xEF\xBB\xBF" "a = x\xE2\x82\xACy\xF0\x9F\x98\x80z", "a", "x?y?z"},
      {"\xEF\xBB\xBF" "a = \x80\xC3(\xFF\xE2\x82", "a", "?" "?(" "???"},
      {"\xEF\xBB\xBF" "a = \xC0\xBB", "a", "??"},  // an overlong ';' stays replaced
      {"\xEF\xBB\xBF\xC3\xA9 = 1", "\xC3\xA9", "1"},
  };
  for (const Case& c : cases) {
    const KeyValueFile file = KeyValueFile::Parse(c.bytes);
    EXPECT_EQ(file.Has(c.key), c.expected.has_value()) << c.bytes;
    EXPECT_EQ(file.ReadText(c.key, "<missing>"), c.expected.value_or("<missing>")) << c.bytes;
  }
}

// The number itself is LeadingInteger's (above); these are the file's own cases.
TEST(KeyValueFile, ReadNumberOfEmptyMissingAndUtf8Values) {
  const std::pair<const char*, std::int32_t> cases[] = {
      {"cab = yes", 0}, {"cab =", 0}, {"cab", 0}, {"ca = 1", 77}, {"\xEF\xBB\xBF" "CAB = 3", 3}};
  for (const auto& [bytes, expected] : cases) EXPECT_EQ(KeyValueFile::Parse(bytes).ReadNumber("cab", 77), expected);
}

TEST(KeyValueFile, WritesInInsertionOrderReplacingKeysWithoutRegardToCase) {
  KeyValueFile file;
  file.WriteNumber("b", -1);
  file.WriteText("Mode", "x");
  file.WriteText("avsinc", "");
  file.WriteNumber("MODE", 2);
  EXPECT_EQ(file.Serialize(), "b = -1\r\nMode = 2\r\navsinc = \r\n");
  EXPECT_EQ(file.ReadNumber("mode", 0), 2);

  KeyValueFile parsed = KeyValueFile::Parse("; note\r\na=1\r\nb =  2\r\n[g]\r\nc = 3");
  parsed.WriteText("B", "9");
  parsed.WriteText("d", "4");
  EXPECT_EQ(parsed.Serialize(), "a = 1\r\nb = 9\r\nd = 4\r\n");
  EXPECT_FALSE(parsed.Has("c"));
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
  for (const char* key : {"k0", "k4095", "k4096", "k9999"}) EXPECT_EQ(file.ReadText(key, ""), key + 1);
  EXPECT_EQ(file.ReadNumber("LATE", 0), 1);
  EXPECT_EQ(file.ReadNumber("mode", 0), 5);
  EXPECT_EQ(file.ReadNumber("value", -1), -1);
  EXPECT_FALSE(file.Has("hidden"));
  EXPECT_FALSE(file.Has("k10000"));
}

TEST(KeyValueFile, MegabyteLineAndMegabyteKey) {
  const std::string longValue(1 << 20, 'x');
  const KeyValueFile file = KeyValueFile::Parse("a = " + longValue + "\r\n" + std::string(1 << 20, 'K') + "\r\nb = 2");
  EXPECT_EQ(file.ReadText("a", ""), longValue);
  EXPECT_EQ(file.ReadText(std::string(1 << 20, 'k'), "?"), "");
  EXPECT_EQ(file.ReadNumber("b", 0), 2);
}

}  // namespace
}  // namespace qv
