#include "commands/pass_command.h"

#include <gtest/gtest.h>

#include <string>

#include "commands/test_form.h"

namespace qv {
namespace {

using C = ControlId;
using M = EncodeMode;

const std::string kStart =
    R"(x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 )"
    R"(--threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w)";
const std::string kLogPipe = R"( 2>&1|teelog.exe "log\in.txt")";
const std::string kToFile = " -o \"out.mp4\" \"in.avs\"";
const std::string kFullPartitions = " --8x8dct -A p8x8,b8x8,i8x8,i4x4";
const std::string kRatios = " --ipratio 1.400000 --pbratio 1.300000";

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

Form JobForm() {
  Form form = testing::DefaultSettingsForm();
  form.SetText(C::Input, "in.avs");
  form.SetText(C::Output, "out.mp4");
  form.SetText(C::Stats, "stats\\in.stat");
  form.SetText(C::Log, "log\\in.txt");
  form.ClearEvents();
  return form;
}

struct ModeLine {
  M mode;
  const char* rate;
  std::string middle;  // between the common start and the log pipe
};

// The lines of the pass modes with the default settings, byte for byte.
std::vector<ModeLine> WorkedExample() {
  return {
      {M::SinglePassBitrate, "1000",
       R"( -B 1000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "out.mp4" "in.avs")"},
      {M::SinglePassQuantizer, "26",
       R"( -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "out.mp4" "in.avs")"},
      {M::SinglePassCrf, "26",
       R"( --crf 26 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "out.mp4" "in.avs")"},
      {M::FirstPass, "1000",
       R"( -p 1 --stats "stats\in.stat" -B 1000 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "in.avs")"},
      {M::FirstPassFast, "1000",
       R"( -p 1 --stats "stats\in.stat" -B 1000 --qpmin 10 --qpmax 51 --ipratio 1.400000 --pbratio 1.300000 -A p8x8,i4x4 -m 3 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "in.avs")"},
      {M::NthPass, "1000",
       R"( -p 3 --stats "stats\in.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "out.mp4" "in.avs")"},
      {M::FirstPassCrf, "26",
       R"( --stats "stats\in.stat" -p 1 --crf 26 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "in.avs")"},
      {M::FirstPassCrfFast, "26",
       R"( --stats "stats\in.stat" -p 1 --crf 26 -A p8x8,i4x4 -m 3 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "in.avs")"},
      {M::FirstPassCrfWithOutput, "26",
       R"( --stats "stats\in.stat" -p 1 --crf 26 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "out.mp4" "in.avs")"},
  };
}

TEST(PassCommand, WorkedExampleLinesMatchByteForByte) {
  const Form form = JobForm();
  for (const ModeLine& line : WorkedExample()) {
    EXPECT_EQ(BuildPassCommand(form, line.mode, line.rate), kStart + line.middle + kLogPipe)
        << static_cast<int>(line.mode);
  }
}

TEST(PassCommand, ConditionalPassIsTheNthPassMadeConditional) {
  const Form form = JobForm();
  EXPECT_EQ(BuildPassCommand(form, M::ConditionalDoublePassCrf, "1000"),
            "if errorlevel 1 " + BuildPassCommand(form, M::NthPass, "1000"));
  EXPECT_EQ(BuildPassCommand(form, M::ConditionalDoublePassCrf, "1000").rfind("if errorlevel 1 x264.exe --progress", 0),
            0u);
}

TEST(PassCommand, RateValueIsTheArgumentNotTheFormsValue) {
  Form form = JobForm();
  form.SetText(C::Value, "999");
  form.SetNumber(C::Mode, 13);
  const std::string line = BuildPassCommand(form, M::FirstPassCrfWithOutput, "16");
  EXPECT_NE(line.find(" --crf 16 "), std::string::npos);
  EXPECT_EQ(line.find("999"), std::string::npos);
  EXPECT_EQ(line.find(" -o nul "), std::string::npos);
  const std::string bitrate = BuildPassCommand(form, M::SinglePassBitrate, "1500");
  EXPECT_EQ(bitrate.find(" -B 1500" + kRatios), kStart.size());
  EXPECT_NE(bitrate.find(kFullPartitions + " -B 1500 "), std::string::npos);
}

TEST(PassCommand, ChromaMeSwitchOnlyWhereTheModeCarriesIt) {
  Form form = JobForm();
  form.SetNumber(C::ChromaMe, 0);
  form.SetNumber(C::Subpel, 7);
  const struct {
    M mode;
    bool carries;
  } cases[] = {
      {M::SinglePassBitrate, false}, {M::SinglePassQuantizer, true}, {M::SinglePassCrf, true},
      {M::FirstPass, true},          {M::FirstPassFast, false},      {M::NthPass, true},
      {M::FirstPassCrf, true},       {M::FirstPassCrfFast, false},   {M::FirstPassCrfWithOutput, true},
  };
  for (const auto& c : cases) {
    const bool found = BuildPassCommand(form, c.mode, "1").find(" --no-chroma-me") != std::string::npos;
    EXPECT_EQ(found, c.carries) << static_cast<int>(c.mode);
  }
}

TEST(PassCommand, FastFirstPassesStayFast) {
  Form form = JobForm();
  form.SetNumber(C::Subpel, 8);
  for (const M mode : {M::FirstPassFast, M::FirstPassCrfFast}) {
    const std::string line = BuildPassCommand(form, mode, "1");
    EXPECT_EQ(line.find(" --8x8dct"), std::string::npos);
    EXPECT_EQ(line.find(" --b-rdo"), std::string::npos);
    EXPECT_NE(line.find(" -m 3 "), std::string::npos);
  }
}

TEST(PassCommand, SwitchesOfTheJobAndTheLogPipe) {
  Form form = JobForm();
  form.SetNumber(C::UpdateStats, 0);
  EXPECT_NE(BuildPassCommand(form, M::NthPass, "1000").find(" -p 2 --stats "), std::string::npos);

  form.SetNumber(C::CreateLog, 0);
  const std::string withoutLog = BuildPassCommand(form, M::SinglePassQuantizer, "26");
  EXPECT_TRUE(EndsWith(withoutLog, kToFile)) << withoutLog;

  form.SetNumber(C::CreateLog, 1);
  form.SetText(C::Log, "");
  const std::string emptyLog = BuildPassCommand(form, M::SinglePassQuantizer, "26");
  EXPECT_TRUE(EndsWith(emptyLog, kToFile + " 2>&1|teelog.exe \"\"")) << emptyLog;
}

TEST(PassCommand, PathsAreQuotedAndTheirPercentSignsDoubled) {
  Form form = JobForm();
  form.SetText(C::Input, "D:\\50% off\\in.avs");
  form.SetText(C::Output, "D:\\50% off\\out.mp4");
  form.SetText(C::Stats, "C:\\Q\\stats\\%x%.stat");
  form.SetText(C::Log, "C:\\Q\\log\\100%.txt");
  const std::string line = BuildPassCommand(form, M::NthPass, "1000");
  EXPECT_NE(line.find(" --stats \"C:\\Q\\stats\\%%x%%.stat\""), std::string::npos);
  EXPECT_NE(line.find(" -o \"D:\\50%% off\\out.mp4\" \"D:\\50%% off\\in.avs\" 2>&1|teelog.exe \"C:\\Q\\log\\100%%.txt\""),
            std::string::npos);
}

TEST(PassCommand, AutomatedModesHaveNoLineOfTheirOwn) {
  const Form form = JobForm();
  for (const M mode : {M::AutoDoublePass, M::AutoDoublePassFast, M::AutoDoublePassCrf, M::AutoDoublePassCrfFast}) {
    EXPECT_EQ(BuildPassCommand(form, mode, "1000"), "") << static_cast<int>(mode);
  }
}

TEST(PassCommand, AutomatedModesRunTheirPlansWithTheCrfOfTheFirstPass) {
  Form form = JobForm();
  form.SetText(C::Value, "1000");
  const std::vector<ModeLine> lines = WorkedExample();
  auto lineOf = [&](M mode, const std::string& crf) {
    for (const ModeLine& line : lines) {
      if (line.mode != mode) continue;
      std::string middle = line.middle;
      const std::size_t at = middle.find(" --crf 26 ");
      if (at != std::string::npos) middle.replace(at, 10, " --crf " + crf + " ");
      return kStart + middle + kLogPipe;
    }
    return std::string();
  };
  const struct {
    M mode;
    std::vector<std::string> expected;
  } cases[] = {
      {M::AutoDoublePass, {lineOf(M::FirstPass, ""), lineOf(M::NthPass, "")}},
      {M::AutoDoublePassFast, {lineOf(M::FirstPassFast, ""), lineOf(M::NthPass, "")}},
      {M::AutoDoublePassCrf, {lineOf(M::FirstPassCrf, "16"), lineOf(M::NthPass, "")}},
      {M::AutoDoublePassCrfFast, {lineOf(M::FirstPassCrfFast, "16"), lineOf(M::NthPass, "")}},
      {M::ConditionalDoublePassCrf,
       {lineOf(M::FirstPassCrfWithOutput, "16"), "if errorlevel 1 " + lineOf(M::NthPass, "")}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> built;
    for (const PlannedPass& pass : PassPlan(static_cast<int>(c.mode))) {
      const ControlId rate = pass.rate == RateSource::Auto1pCrf ? C::Auto1pCrf : C::Value;
      built.push_back(BuildPassCommand(form, pass.passMode, form.Text(rate)));
    }
    EXPECT_EQ(built, c.expected) << static_cast<int>(c.mode);
  }
}

TEST(PassCommand, SizeCheckNamesTheBoundsAndTheOutput) {
  Form form = JobForm();
  EXPECT_EQ(SizeCheckCommand(form), "mensura.exe 90 110 \"out.mp4\"");
  form.SetText(C::Output, "D:\\100%\\out.mp4");
  EXPECT_EQ(SizeCheckCommand(form), "mensura.exe 90 110 \"D:\\100%%\\out.mp4\"");
}

}  // namespace
}  // namespace qv
