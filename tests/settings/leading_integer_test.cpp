#include "settings/leading_integer.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

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

}  // namespace
}  // namespace qv
