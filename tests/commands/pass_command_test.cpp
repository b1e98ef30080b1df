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

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

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
}

TEST(PassCommand, RateValueIsTheArgumentNotTheFormsValue) {
  Form form = JobForm();
  form.SetText(C::Value, "999");
  form.SetNumber(C::Mode, 13);
  const std::string line = BuildPassCommand(form, M::FirstPassCrfWithOutput, "16");
  EXPECT_TRUE(Has(line, " --crf 16 "));
  EXPECT_FALSE(Has(line, "999"));
  EXPECT_FALSE(Has(line, " -o nul "));
  const std::string bitrate = BuildPassCommand(form, M::SinglePassBitrate, "1500");
  EXPECT_EQ(bitrate.find(" -B 1500" + kRatios), kStart.size());
  EXPECT_TRUE(Has(bitrate, kFullPartitions + " -B 1500 "));
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
    EXPECT_EQ(Has(BuildPassCommand(form, c.mode, "1"), " --no-chroma-me"), c.carries) << static_cast<int>(c.mode);
  }
}

TEST(PassCommand, FastFirstPassesStayFast) {
  Form form = JobForm();
  form.SetNumber(C::Subpel, 8);
  for (const M mode : {M::FirstPassFast, M::FirstPassCrfFast}) {
    const std::string line = BuildPassCommand(form, mode, "1");
    EXPECT_FALSE(Has(line, " --8x8dct"));
    EXPECT_FALSE(Has(line, " --b-rdo"));
    EXPECT_TRUE(Has(line, " -m 3 "));
  }
}

TEST(PassCommand, SwitchesOfTheJobAndTheLogPipe) {
  Form form = JobForm();
  form.SetNumber(C::UpdateStats, 0);
  EXPECT_TRUE(Has(BuildPassCommand(form, M::NthPass, "1000"), " -p 2 --stats "));

  form.SetNumber(C::CreateLog, 0);
  const std::string withoutLog = BuildPassCommand(form, M::SinglePassQuantizer, "26");
  EXPECT_EQ(withoutLog.substr(withoutLog.size() - kToFile.size()), kToFile);

  form.SetNumber(C::CreateLog, 1);
  form.SetText(C::Log, "");
  const std::string emptyLog = BuildPassCommand(form, M::SinglePassQuantizer, "26");
  EXPECT_EQ(emptyLog, withoutLog + " 2>&1|teelog.exe \"\"");
}

TEST(PassCommand, PathsAreQuotedAndTheirPercentSignsDoubled) {
  Form form = JobForm();
  form.SetText(C::Input, "D:\\50% off\\in.avs");
  form.SetText(C::Output, "D:\\50% off\\out.mp4");
  form.SetText(C::Stats, "C:\\Q\\stats\\%x%.stat");
  form.SetText(C::Log, "C:\\Q\\log\\100%.txt");
  const std::string line = BuildPassCommand(form, M::NthPass, "1000");
  EXPECT_TRUE(Has(line, " --stats \"C:\\Q\\stats\\%%x%%.stat\""));
  EXPECT_TRUE(Has(line, " -o \"D:\\50%% off\\out.mp4\" \"D:\\50%% off\\in.avs\" 2>&1|teelog.exe \"C:\\Q\\log\\100%%.txt\""));
}

TEST(PassCommand, AutomatedModesHaveNoLineOfTheirOwn) {
  for (const M mode : {M::AutoDoublePass, M::AutoDoublePassFast, M::AutoDoublePassCrf, M::AutoDoublePassCrfFast})
    EXPECT_EQ(BuildPassCommand(JobForm(), mode, "1000"), "") << static_cast<int>(mode);
}

TEST(PassCommand, SizeCheckNamesTheBoundsAndTheOutput) {
  Form form = JobForm();
  EXPECT_EQ(SizeCheckCommand(form), "mensura.exe 90 110 \"out.mp4\"");
  form.SetText(C::Output, "D:\\100%\\out.mp4");
  EXPECT_EQ(SizeCheckCommand(form), "mensura.exe 90 110 \"D:\\100%%\\out.mp4\"");
}

}  // namespace
}  // namespace qv
