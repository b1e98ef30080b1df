#include "rateplan/bitrate_plan.h"

#include <gtest/gtest.h>

namespace qv::tools {
namespace {

TEST(BitratePlan, VideoBitrateFillsTheTargetNextToTheAudio) {
  const struct {
    double megabytes;
    std::uint32_t seconds;
    std::int32_t audioKbps;
    std::int32_t expected;
  } cases[] = {
      // 700 MB over 1:30:00 is 1087.35 kbit/s in all; 1087 - 128.
      {700, 5400, 128, 959},
      {700, 5400, 0, 1087},
      // 100 MB in one hour: 233.01 kbit/s in all.
      {100, 3600, 64, 169},
      // Exactly 8388.608 kbit/s: the fraction is dropped, never rounded up.
      {1, 1, 0, 8388},
      {4482.5, 7200, 96, 5126},
      // Audio alone exceeds the target.
      {1, 3600, 64, 0},
      {1, 3600, 2, 0},
      {1, 3600, -50, 2},
      {0, 3600, 0, 0},
      {700, 0, 0, 0},
      // Far beyond any real bitrate, still an int32.
      {10000000, 1, 0, 2147483647},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VideoBitrateKbps(c.megabytes, c.seconds, c.audioKbps), c.expected)
        << c.megabytes << " MB, " << c.seconds << " s, audio " << c.audioKbps;
  }
}

TEST(BitratePlan, ReadsDurations) {
  const struct {
    const char* text;
    std::optional<std::uint32_t> seconds;
  } cases[] = {
      {"1:30:00", 5400},  {"0:00:01", 1},        {"2:05", 125},          {"90", 90},
      {" 1:00:00 ", 3600}, {"9999:00:00", 35996400}, {"100:59:59", 363599},
      {"0:00:00", std::nullopt}, {"1:60:00", std::nullopt}, {"1:00:60", std::nullopt},
      {"10000:00:00", std::nullopt}, {"1:2:3:4", std::nullopt}, {"1::00", std::nullopt},
      {"99999999999999999999", std::nullopt}, {"1:00:+5", std::nullopt},
      {"", std::nullopt}, {"1h30", std::nullopt}, {"-1:00", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDuration(c.text), c.seconds) << '"' << c.text << '"';
}

TEST(BitratePlan, FormatsDurationsAsTheFieldShowsThem) {
  const std::pair<std::uint32_t, const char*> cases[] = {
      {5400, "1:30:00"}, {3909, "1:05:09"}, {59, "0:00:59"}, {363599, "100:59:59"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(FormatDuration(seconds), text);
  for (std::uint32_t seconds : {1u, 61u, 3600u, 35996400u}) EXPECT_EQ(ParseDuration(FormatDuration(seconds)), seconds);
}

TEST(BitratePlan, ReadsTargetSizes) {
  const struct {
    const char* text;
    std::optional<double> megabytes;
  } cases[] = {
      {"700", 700.0}, {" 4482.5 ", 4482.5}, {"0.5", 0.5}, {"10000000", 10000000.0},
      {"0", std::nullopt}, {"10000000.5", std::nullopt}, {"", std::nullopt}, {"700MB", std::nullopt},
      {"7e2", std::nullopt}, {"700,5", std::nullopt}, {"1.2.3", std::nullopt}, {".", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseTargetSize(c.text), c.megabytes) << '"' << c.text << '"';
}

}  // namespace
}  // namespace qv::tools
