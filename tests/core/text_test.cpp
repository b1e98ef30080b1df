// The text helpers read only the text they are given: a view into a longer
// buffer ends where the view ends.

#include <gtest/gtest.h>

#include "text/leading_integer.h"
#include "text/wildcard_match.h"

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

}  // namespace
}  // namespace qv
