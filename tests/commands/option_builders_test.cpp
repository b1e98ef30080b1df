#include "commands/option_builders.h"

#include <gtest/gtest.h>

#include <functional>

#include "commands/test_form.h"

namespace qv {
namespace {

using C = ControlId;
using Builder = std::function<std::string(const Form&)>;

TEST(OptionBuilders, DefaultSettingsGiveTheDocumentedFragments) {
  const struct {
    const char* name;
    Builder build;
    const char* expected;
  } cases[] = {
      {"matrix", MatrixOption, " --cqm flat"},
      {"misc", MiscOptions, ""},
      {"keyframe", KeyframeOptions, " --scenecut 40 -I 250 -i 25"},
      {"entropy", EntropyOptions, ""},
      {"motion search", MotionSearchOption, " --me hex"},
      {"sar", SarOption, " --sar 1:1"},
      {"threads and refs", ThreadRefOptions, " --threads 1 -r 1"},
      {"noise reduction", NoiseReductionOption, " --nr 0"},
      {"deblock", DeblockOption, " -f 0:0"},
      {"b-frames", BFrameOptions, " -b 2 --direct \"temporal\" --b-bias 0 -w"},
      {"ratios", RatioOptions, " --ipratio 1.400000 --pbratio 1.300000"},
      {"partitions", PartitionOptions, " --8x8dct -A p8x8,b8x8,i8x8,i4x4"},
      {"fast partitions", FastPartitionOptions, " -A p8x8,i4x4"},
      {"bitrate", [](const Form&) { return BitrateOption("1000"); }, " -B 1000"},
      {"short qp limits", [](const Form& f) { return QuantizerLimitOptions(f, false); }, " --qpmin 10 --qpmax 51"},
      {"full qp limits", [](const Form& f) { return QuantizerLimitOptions(f, true); },
       " --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000"},
      {"chroma me", ChromaMeOption, ""},
      {"subpel", SubpelOption, " -m 5"},
      {"fast subpel", FastSubpelOption, " -m 3"},
      {"vbv", [](const Form& f) { return VbvOptions(f, false); },
       " --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0"},
      {"vbv without ratetol", [](const Form& f) { return VbvOptions(f, true); },
       " --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0"},
  };
  const Form form = testing::DefaultSettingsForm();
  for (const auto& c : cases) EXPECT_EQ(c.build(form), c.expected) << c.name;
}

struct EdgeCase {
  const char* name;
  std::function<void(Form&)> set;
  Builder build;
  const char* expected;
};

void CheckEdgeCases(const std::vector<EdgeCase>& cases) {
  for (const EdgeCase& c : cases) {
    Form form = testing::DefaultSettingsForm();
    c.set(form);
    EXPECT_EQ(c.build(form), c.expected) << c.name;
  }
}

void SetChecks(Form& form, std::initializer_list<std::pair<ControlId, int>> checks) {
  for (const auto& [id, on] : checks) form.SetNumber(id, on);
}

TEST(OptionBuilders, MatrixPresetsAreCaseSensitiveAndAnythingElseIsAFile) {
  CheckEdgeCases({
      {"jvt", [](Form& f) { f.SetText(C::Matrix, "jvt"); }, MatrixOption, " --cqm jvt"},
      {"upper-case preset", [](Form& f) { f.SetText(C::Matrix, "JVT"); }, MatrixOption, " --cqmfile JVT"},
      {"empty", [](Form& f) { f.SetText(C::Matrix, ""); }, MatrixOption, " --cqmfile "},
      {"quoted path", [](Form& f) { f.SetText(C::Matrix, "\"C:\\m.cfg\""); }, MatrixOption,
       " --cqmfile \"C:\\m.cfg\""},
      {"percent in path", [](Form& f) { f.SetText(C::Matrix, "\"C:\\50%.cfg\""); }, MatrixOption,
       " --cqmfile \"C:\\50%%.cfg\""},
  });
}

constexpr ControlId A1 = C::A1, A2 = C::A2, A3 = C::A3, A4 = C::A4, A5 = C::A5, A6 = C::A6;

TEST(OptionBuilders, PartitionsFollowTheirPrerequisites) {
  CheckEdgeCases({
      {"all off", [](Form& f) { SetChecks(f, {{A1, 0}, {A2, 0}, {A3, 0}, {A4, 0}, {A5, 0}, {A6, 0}}); },
       PartitionOptions, " -A none"},
      {"only 8x8 transform", [](Form& f) { SetChecks(f, {{A1, 1}, {A2, 0}, {A3, 0}, {A4, 0}, {A5, 0}, {A6, 0}}); },
       PartitionOptions, " --8x8dct -A none"},
      {"all on", [](Form& f) { SetChecks(f, {{A1, 1}, {A2, 1}, {A3, 1}, {A4, 1}, {A5, 1}, {A6, 1}}); },
       PartitionOptions, " --8x8dct -A p8x8,p4x4,b8x8,i8x8,i4x4"},
      {"p4x4 needs p8x8", [](Form& f) { SetChecks(f, {{A2, 0}, {A4, 1}}); }, PartitionOptions,
       " --8x8dct -A b8x8,i8x8,i4x4"},
      {"i8x8 needs the 8x8 transform", [](Form& f) { SetChecks(f, {{A1, 0}, {A5, 1}}); }, PartitionOptions,
       " -A p8x8,b8x8,i4x4"},
      {"fast list ignores the rest", [](Form& f) { SetChecks(f, {{A1, 1}, {A3, 1}, {A4, 1}, {A5, 1}}); },
       FastPartitionOptions, " -A p8x8,i4x4"},
      {"fast list empty", [](Form& f) { SetChecks(f, {{A2, 0}, {A6, 0}}); }, FastPartitionOptions, " -A none"},
      {"fast list i4x4 only", [](Form& f) { SetChecks(f, {{A2, 0}}); }, FastPartitionOptions, " -A i4x4"},
  });
}

TEST(OptionBuilders, SubpelLevelComesFromTheItemText) {
  auto subpel = [](int index) { return [index](Form& f) { f.SetNumber(C::Subpel, index); }; };
  auto noChroma = [](int index) {
    return [index](Form& f) {
      f.SetNumber(C::Subpel, index);
      f.SetNumber(C::ChromaMe, 0);
    };
  };
  CheckEdgeCases({
      {"m 5", subpel(5), SubpelOption, " -m 6"},
      {"m 6", subpel(6), SubpelOption, " -m 6 --b-rdo"},
      {"m 8", subpel(8), SubpelOption, " -m 7 --b-rdo"},
      {"m none", subpel(-1), SubpelOption, " -m "},
      {"fast m 0", subpel(0), FastSubpelOption, " -m 1"},
      {"fast m 2", subpel(2), FastSubpelOption, " -m 3"},
      {"fast m 6", subpel(6), FastSubpelOption, " -m 3"},
      {"fast m 8", subpel(8), FastSubpelOption, " -m 3"},
      {"chroma me off at level 4", noChroma(3), ChromaMeOption, ""},
      {"chroma me off at level 5", noChroma(4), ChromaMeOption, " --no-chroma-me"},
      {"chroma me off at level 7", noChroma(8), ChromaMeOption, " --no-chroma-me"},
      {"chroma me off without level", noChroma(-1), ChromaMeOption, ""},
      {"chroma me on at level 7", subpel(8), ChromaMeOption, ""},
  });
}

TEST(OptionBuilders, ListsWithoutSelectionWriteEmptyItemTexts) {
  CheckEdgeCases({
      {"method none falls to exhaustive", [](Form& f) { f.SetNumber(C::Method, -1); }, MotionSearchOption,
       " --me esa --merange 16"},
      {"direct none", [](Form& f) { f.SetNumber(C::DirectMode, -1); }, BFrameOptions,
       " -b 2 --direct \"\" --b-bias 0 -w"},
      {"trellis none", [](Form& f) { f.SetNumber(C::Trellis, -1); }, EntropyOptions, " -t "},
  });
}

TEST(OptionBuilders, SwitchesAndTheirConditions) {
  CheckEdgeCases({
      {"method dia", [](Form& f) { f.SetNumber(C::Method, 0); }, MotionSearchOption, " --me dia"},
      {"method umh", [](Form& f) { f.SetNumber(C::Method, 2); }, MotionSearchOption, " --me umh --merange 16"},
      {"method esa", [](Form& f) { f.SetNumber(C::Method, 3); }, MotionSearchOption, " --me esa --merange 16"},
      {"misc all", [](Form& f) { SetChecks(f, {{C::FastPSkip, 0}, {C::DctDecimate, 0}, {C::ThreadInput, 1}}); },
       MiscOptions, " --no-fast-pskip --no-dct-decimate --thread-input"},
      {"mixed refs with one ref", [](Form& f) { f.SetNumber(C::MixedRefs, 1); }, MiscOptions, ""},
      {"mixed refs with two refs",
       [](Form& f) {
         f.SetNumber(C::MixedRefs, 1);
         f.SetText(C::Ref, "2");
       },
       MiscOptions, " --mixed-refs"},
      {"cabac off hides trellis",
       [](Form& f) {
         f.SetNumber(C::Cabac, 0);
         f.SetNumber(C::Trellis, 2);
       },
       EntropyOptions, " --no-cabac"},
      {"trellis 2", [](Form& f) { f.SetNumber(C::Trellis, 2); }, EntropyOptions, " -t 2"},
      {"threads 0", [](Form& f) { f.SetText(C::Threads, "0"); }, ThreadRefOptions, " --threads auto -r 1"},
      {"threads empty", [](Form& f) { f.SetText(C::Threads, ""); }, ThreadRefOptions, " --threads auto -r 1"},
      {"threads text", [](Form& f) { f.SetText(C::Threads, "auto"); }, ThreadRefOptions, " --threads auto -r 1"},
      {"threads verbatim", [](Form& f) { f.SetText(C::Threads, "04"); }, ThreadRefOptions, " --threads 04 -r 1"},
      {"empty nr", [](Form& f) { f.SetText(C::Nr, ""); }, NoiseReductionOption, " --nr "},
      {"empty min qp", [](Form& f) { f.SetText(C::MinQp, ""); },
       [](const Form& f) { return QuantizerLimitOptions(f, false); }, " --qpmin  --qpmax 51"},
      {"sar trimmed",
       [](Form& f) {
         f.SetText(C::SarX, " 16 ");
         f.SetText(C::SarY, "9");
       },
       SarOption, " --sar 16:9"},
      {"deblock trimmed",
       [](Form& f) {
         f.SetText(C::StrengthValue, "-3");
         f.SetText(C::ThresholdValue, " 2");
       },
       DeblockOption, " -f -3:2"},
      {"deblock off", [](Form& f) { f.SetNumber(C::Deblock, 0); }, DeblockOption, " --nf"},
      {"no b-frames", [](Form& f) { f.SetText(C::MaxB, "0"); }, BFrameOptions, " -b 0"},
      {"b-frames non-numeric", [](Form& f) { f.SetText(C::MaxB, "x3"); }, BFrameOptions, " -b x3"},
      {"every b-frame switch",
       [](Form& f) {
         f.SetText(C::MaxB, "3");
         f.SetNumber(C::DirectMode, 2);
         SetChecks(f, {{C::BMe, 1}, {C::BAdapt, 0}, {C::BRef, 1}, {C::BWeighted, 0}});
         f.SetText(C::Bias, "-20");
       },
       BFrameOptions, " -b 3 --direct \"auto\" --bime --no-b-adapt --b-bias -20 --b-pyramid"},
  });
}

TEST(OptionBuilders, PercentagesGoThroughASinglePrecisionFloat) {
  const struct {
    const char* text;
    bool plusOne;
    const char* expected;
  } cases[] = {
      {"40", true, "1.400000"},  {"0", true, "1.000000"},     {"100", false, "1.000000"},
      {"60", false, "0.600000"}, {"", false, "0.000000"},     {"12abc", false, "0.120000"},
      {"-50", true, "0.500000"}, {"12345", false, "123.449997"},
  };
  for (const auto& c : cases) EXPECT_EQ(PercentText(c.text, c.plusOne), c.expected) << c.text;
}

}  // namespace
}  // namespace qv
