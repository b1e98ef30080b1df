#include <gtest/gtest.h>

#include "mensura/size_check.h"

namespace qv::tools {
namespace {

constexpr std::uint64_t kMB = 1048576;

// Both bounds belong to the range; a missing file counts as outside. Only
// inside lets the batch skip its second pass (exit code 0).
TEST(SizeCheck, BoundsBelongToTheRange) {
  const struct {
    std::optional<std::uint64_t> bytes;
    double min, max;
    SizeVerdict expected;
  } cases[] = {
      {90 * kMB, 90, 110, SizeVerdict::Inside},     {90 * kMB - 1, 90, 110, SizeVerdict::Outside},
      {110 * kMB, 90, 110, SizeVerdict::Inside},    {110 * kMB + 1, 90, 110, SizeVerdict::Outside},
      {kMB / 2, 0.5, 0.75, SizeVerdict::Inside},    {kMB / 2 - 1, 0.5, 0.75, SizeVerdict::Outside},
      {kMB * 3 / 4 + 1, 0.5, 0.75, SizeVerdict::Outside}, {0, 0, 0, SizeVerdict::Inside},
      {5000 * kMB, 4000, 8000, SizeVerdict::Inside},  // above 4 GB
      {std::nullopt, 0, 1000, SizeVerdict::Missing},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JudgeSize(c.bytes, c.min, c.max), c.expected)
        << (c.bytes ? std::to_string(*c.bytes) : "missing") << " in " << c.min << ".." << c.max;
  }
  EXPECT_EQ(SizeCheckExitCode(SizeVerdict::Inside), 0);
  EXPECT_EQ(SizeCheckExitCode(SizeVerdict::Outside), 1);
  EXPECT_EQ(SizeCheckExitCode(SizeVerdict::Missing), 1);
}

TEST(SizeCheck, ReadsItsArguments) {
  const struct {
    std::vector<std::string> args;
    const char* errorPart;  // "" when the arguments are accepted
  } cases[] = {
      {{"0.5", "1.25", "D:\\v\\my clip.mp4"}, ""},
      {{}, "expected 3 arguments, got 0"},
      {{"110", "D:\\v\\clip.mp4"}, "expected 3 arguments, got 2"},
      {{"90", "110", "a", "b"}, "expected 3 arguments, got 4"},
      {{"", "110", "x"}, "MIN \"\""},
      {{"90", "lots", "x"}, "MAX \"lots\""},
      {{"-1", "110", "x"}, "MIN \"-1\""},
      {{"0.5", "1e3", "x"}, "MAX \"1e3\""},
      {{"0,5", "1", "x"}, "MIN \"0,5\""},
      {{"110", "90", "x"}, "MIN 110 is above MAX 90"},
      {{"90", "110", ""}, "FILE is empty"},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseSizeCheckArguments(c.args);
    if (*c.errorPart == '\0') {
      ASSERT_TRUE(parsed.request) << parsed.error;
      EXPECT_EQ(parsed.request->minMegabytes, 0.5);
      EXPECT_EQ(parsed.request->maxMegabytes, 1.25);
      EXPECT_EQ(parsed.request->file, "D:\\v\\my clip.mp4");
    } else {
      EXPECT_FALSE(parsed.request) << c.errorPart;
      EXPECT_NE(parsed.error.find(c.errorPart), std::string::npos) << parsed.error;
    }
  }
}

TEST(SizeCheck, DescribesSizeAndDecision) {
  const SizeCheckRequest request{90, 110.5, "D:\\v\\clip.mp4"};
  EXPECT_EQ(DescribeSizeCheck(request, 100000000, SizeVerdict::Inside),
            "mensura: \"D:\\v\\clip.mp4\" is 95.37 MB (100000000 bytes), inside 90..110.5 MB");
  EXPECT_EQ(DescribeSizeCheck(request, 0, SizeVerdict::Outside),
            "mensura: \"D:\\v\\clip.mp4\" is 0.00 MB (0 bytes), outside 90..110.5 MB");
  EXPECT_EQ(DescribeSizeCheck(request, std::nullopt, SizeVerdict::Missing),
            "mensura: \"D:\\v\\clip.mp4\" not found, taken as outside 90..110.5 MB");
}

}  // namespace
}  // namespace qv::tools
