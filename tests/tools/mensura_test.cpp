#include <gtest/gtest.h>

#include "built_tools.h"
#include "mensura/size_check.h"
#include "tools/support/child_process.h"
#include "tools/support/test_files.h"

namespace qv::tools {
namespace {

constexpr std::uint64_t kMB = 1048576;

TEST(SizeCheck, BoundsBelongToTheRange) {
  const struct {
    std::optional<std::uint64_t> bytes;
    double min, max;
    SizeVerdict expected;
  } cases[] = {
      {90 * kMB, 90, 110, SizeVerdict::Inside},
      {90 * kMB - 1, 90, 110, SizeVerdict::Outside},
      {110 * kMB, 90, 110, SizeVerdict::Inside},
      {110 * kMB + 1, 90, 110, SizeVerdict::Outside},
      {kMB / 2, 0.5, 0.75, SizeVerdict::Inside},
      {kMB / 2 - 1, 0.5, 0.75, SizeVerdict::Outside},
      {kMB * 3 / 4 + 1, 0.5, 0.75, SizeVerdict::Outside},
      {0, 0, 0, SizeVerdict::Inside},
      {5000 * kMB, 4000, 8000, SizeVerdict::Inside},  // above 4 GB
      {std::nullopt, 0, 1000, SizeVerdict::Missing},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JudgeSize(c.bytes, c.min, c.max), c.expected)
        << (c.bytes ? std::to_string(*c.bytes) : "missing") << " in " << c.min << ".." << c.max;
  }
}

TEST(SizeCheck, OnlyInsideLetsTheBatchSkipThePass) {
  EXPECT_EQ(SizeCheckExitCode(SizeVerdict::Inside), 0);
  EXPECT_EQ(SizeCheckExitCode(SizeVerdict::Outside), 1);
  EXPECT_EQ(SizeCheckExitCode(SizeVerdict::Missing), 1);
}

TEST(SizeCheck, RejectsArgumentsItCannotRead) {
  const struct {
    std::vector<std::string> args;
    const char* errorPart;
  } cases[] = {
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
    EXPECT_FALSE(parsed.request);
    EXPECT_NE(parsed.error.find(c.errorPart), std::string::npos) << parsed.error;
  }
}

TEST(SizeCheck, ReadsFractionalBounds) {
  const auto parsed = ParseSizeCheckArguments({"0.5", "1.25", "D:\\v\\my clip.mp4"});
  ASSERT_TRUE(parsed.request) << parsed.error;
  EXPECT_EQ(parsed.request->minMegabytes, 0.5);
  EXPECT_EQ(parsed.request->maxMegabytes, 1.25);
  EXPECT_EQ(parsed.request->file, "D:\\v\\my clip.mp4");
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

// The program as the batch runs it: exit codes at the bounds, for a real file
// in a folder whose name cmd.exe would trip over.
TEST(MensuraProgram, ExitCodeFollowsTheFileSize) {
  using namespace qv::testing;
  ScratchFolder folder("sizes 50% & ^x");
  const std::string file = folder.path() + "clip 1.mp4";
  const std::string mensura = "\"" + WindowsPath(built::kMensura) + "\" ";
  const struct {
    std::uint64_t bytes;
    const char* bounds;
    int exitCode;
  } cases[] = {
      {2 * kMB, "2 3", 0},
      {3 * kMB, "2 3", 0},
      {2 * kMB - 1, "2 3", 1},
      {3 * kMB + 1, "2 3", 1},
      {kMB / 2, "0.5 0.5", 0},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteSizedFile(file, c.bytes));
    const auto run = RunProgram(mensura + c.bounds + " \"" + file + "\"");
    ASSERT_TRUE(run);
    EXPECT_EQ(run->exitCode, c.exitCode) << c.bytes << " bytes in " << c.bounds << ": " << run->output;
    EXPECT_NE(run->output.find(std::to_string(c.bytes) + " bytes"), std::string::npos) << run->output;
  }

  const auto missing = RunProgram(mensura + "0 100 \"" + folder.path() + "none.mp4\"");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->exitCode, 1);
  EXPECT_NE(missing->output.find("not found"), std::string::npos) << missing->output;

  const auto bad = RunProgram(mensura + " 110 \"" + file + "\"");
  ASSERT_TRUE(bad);
  EXPECT_EQ(bad->exitCode, 1);
  EXPECT_NE(bad->errors.find("usage: mensura.exe MIN MAX FILE"), std::string::npos) << bad->errors;
}

}  // namespace
}  // namespace qv::tools
