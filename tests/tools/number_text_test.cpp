#include "common/number_text.h"

#include <gtest/gtest.h>

namespace qv::tools {
namespace {

TEST(ParseWholeNumber, AcceptsDigitsOnly) {
  const struct {
    const char* text;
    std::optional<std::uint64_t> expected;
  } cases[] = {
      {"0", 0},
      {"1000", 1000},
      {"007", 7},
      {"18446744073709551615", 18446744073709551615ull},
      {"18446744073709551616", std::nullopt},
      {"", std::nullopt},
      {"-1", std::nullopt},
      {"+1", std::nullopt},
      {" 1", std::nullopt},
      {"1 ", std::nullopt},
      {"1.0", std::nullopt},
      {"12a", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseWholeNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ParseDecimal, AcceptsDigitsWithOneDot) {
  const struct {
    const char* text;
    std::optional<double> expected;
  } cases[] = {
      {"90", 90.0},       {"0.5", 0.5},          {".5", 0.5},           {"5.", 5.0},
      {"0.3", 0.3},       {"110.25", 110.25},    {"", std::nullopt},    {".", std::nullopt},
      {"1.2.3", std::nullopt}, {"-1", std::nullopt}, {"1e3", std::nullopt}, {"1,5", std::nullopt},
      {" 1", std::nullopt},    {"inf", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDecimal(c.text), c.expected) << '"' << c.text << '"';
}

TEST(FormatMegabytes, ShowsTwoDecimals) {
  EXPECT_EQ(FormatMegabytes(0), "0.00");
  EXPECT_EQ(FormatMegabytes(1048576), "1.00");
  EXPECT_EQ(FormatMegabytes(100000000), "95.37");
}

}  // namespace
}  // namespace qv::tools
