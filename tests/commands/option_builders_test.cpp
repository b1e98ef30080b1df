#include "commands/option_builders.h"

#include <gtest/gtest.h>

#include <functional>
#include <variant>

#include "commands/test_form.h"

namespace qv {
namespace {

using C = ControlId;
using Builder = std::function<std::string(const Form&)>;
// One control set before building: a number (list index, check box) or a text.
using Set = std::pair<ControlId, std::variant<int, const char*>>;

std::string QpShort(const Form& f) { return QuantizerLimitOptions(f, false); }

// The default-settings fragments are pinned byte for byte by the pass command
// worked example; these are the settings that change them.
void CheckCases(std::initializer_list<std::tuple<const char*, std::vector<Set>, Builder, const char*>> cases) {
  for (const auto& [name, sets, build, expected] : cases) {
    Form form = testing::DefaultSettingsForm();
    for (const auto& [id, value] : sets) {
      if (std::holds_alternative<int>(value)) {
        form.SetNumber(id, std::get<int>(value));
      } else {
        form.SetText(id, std::get<const char*>(value));
      }
    }
    EXPECT_EQ(build(form), expected) << name;
  }
}

TEST(OptionBuilders, MatrixPresetsAreCaseSensitiveAndAnythingElseIsAFile) {
  CheckCases({
      {"jvt", {{C::Matrix, "jvt"}}, MatrixOption, " --cqm jvt"},
      {"upper-case preset", {{C::Matrix, "JVT"}}, MatrixOption, " --cqmfile JVT"},
      {"empty", {{C::Matrix, ""}}, MatrixOption, " --cqmfile "},
      {"quoted path", {{C::Matrix, "\"C:\\m.cfg\""}}, MatrixOption, " --cqmfile \"C:\\m.cfg\""},
      {"percent in path", {{C::Matrix, "\"C:\\50%.cfg\""}}, MatrixOption, " --cqmfile \"C:\\50%%.cfg\""},
  });
}

TEST(OptionBuilders, PartitionsFollowTheirPrerequisites) {
  const auto all = [](int on) {
    return std::vector<Set>{{C::A1, on}, {C::A2, on}, {C::A3, on}, {C::A4, on}, {C::A5, on}, {C::A6, on}};
  };
  std::vector<Set> only8x8 = all(0);
  only8x8[0].second = 1;
  CheckCases({
      {"all off", all(0), PartitionOptions, " -A none"},
      {"only 8x8 transform", only8x8, PartitionOptions, " --8x8dct -A none"},
      {"all on", all(1), PartitionOptions, " --8x8dct -A p8x8,p4x4,b8x8,i8x8,i4x4"},
      {"p4x4 needs p8x8", {{C::A2, 0}, {C::A4, 1}}, PartitionOptions, " --8x8dct -A b8x8,i8x8,i4x4"},
      {"i8x8 needs the 8x8 transform", {{C::A1, 0}, {C::A5, 1}}, PartitionOptions, " -A p8x8,b8x8,i4x4"},
      {"fast list ignores the rest", all(1), FastPartitionOptions, " -A p8x8,i4x4"},
      {"fast list empty", {{C::A2, 0}, {C::A6, 0}}, FastPartitionOptions, " -A none"},
      {"fast list i4x4 only", {{C::A2, 0}}, FastPartitionOptions, " -A i4x4"},
  });
}

TEST(OptionBuilders, SubpelLevelComesFromTheItemText) {
  CheckCases({
      {"m 5", {{C::Subpel, 5}}, SubpelOption, " -m 6"},
      {"m 6", {{C::Subpel, 6}}, SubpelOption, " -m 6 --b-rdo"},
      {"m 8", {{C::Subpel, 8}}, SubpelOption, " -m 7 --b-rdo"},
      {"m none", {{C::Subpel, -1}}, SubpelOption, " -m "},
      {"fast m 0", {{C::Subpel, 0}}, FastSubpelOption, " -m 1"},
      {"fast m 2", {{C::Subpel, 2}}, FastSubpelOption, " -m 3"},
      {"fast m 8", {{C::Subpel, 8}}, FastSubpelOption, " -m 3"},
      {"chroma me off at level 4", {{C::Subpel, 3}, {C::ChromaMe, 0}}, ChromaMeOption, ""},
      {"chroma me off at level 5", {{C::Subpel, 4}, {C::ChromaMe, 0}}, ChromaMeOption, " --no-chroma-me"},
      {"chroma me off at level 7", {{C::Subpel, 8}, {C::ChromaMe, 0}}, ChromaMeOption, " --no-chroma-me"},
      {"chroma me off without level", {{C::Subpel, -1}, {C::ChromaMe, 0}}, ChromaMeOption, ""},
      {"chroma me on at level 7", {{C::Subpel, 8}}, ChromaMeOption, ""},
  });
}

TEST(OptionBuilders, SwitchesAndTheirConditions) {
  CheckCases({
      {"method dia", {{C::Method, 0}}, MotionSearchOption, " --me dia"},
      {"method umh", {{C::Method, 2}}, MotionSearchOption, " --me umh --merange 16"},
      {"method esa", {{C::Method, 3}}, MotionSearchOption, " --me esa --merange 16"},
      {"method none falls to exhaustive", {{C::Method, -1}}, MotionSearchOption, " --me esa --merange 16"},
      {"direct none", {{C::DirectMode, -1}}, BFrameOptions, " -b 2 --direct \"\" --b-bias 0 -w"},
      {"trellis none", {{C::Trellis, -1}}, EntropyOptions, " -t "},
      {"misc all", {{C::FastPSkip, 0}, {C::DctDecimate, 0}, {C::ThreadInput, 1}}, MiscOptions,
       " --no-fast-pskip --no-dct-decimate --thread-input"},
      {"mixed refs with one ref", {{C::MixedRefs, 1}}, MiscOptions, ""},
      {"mixed refs with two refs", {{C::MixedRefs, 1}, {C::Ref, "2"}}, MiscOptions, " --mixed-refs"},
      {"cabac off hides trellis", {{C::Cabac, 0}, {C::Trellis, 2}}, EntropyOptions, " --no-cabac"},
      {"trellis 2", {{C::Trellis, 2}}, EntropyOptions, " -t 2"},
      {"threads 0", {{C::Threads, "0"}}, ThreadRefOptions, " --threads auto -r 1"},
      {"threads empty", {{C::Threads, ""}}, ThreadRefOptions, " --threads auto -r 1"},
      {"threads text", {{C::Threads, "auto"}}, ThreadRefOptions, " --threads auto -r 1"},
      {"threads verbatim", {{C::Threads, "04"}}, ThreadRefOptions, " --threads 04 -r 1"},
      {"empty nr", {{C::Nr, ""}}, NoiseReductionOption, " --nr "},
      {"empty min qp", {{C::MinQp, ""}}, QpShort, " --qpmin  --qpmax 51"},
      {"sar trimmed", {{C::SarX, " 16 "}, {C::SarY, "9"}}, SarOption, " --sar 16:9"},
      {"deblock trimmed", {{C::StrengthValue, "-3"}, {C::ThresholdValue, " 2"}}, DeblockOption, " -f -3:2"},
      {"deblock off", {{C::Deblock, 0}}, DeblockOption, " --nf"},
      {"no b-frames", {{C::MaxB, "0"}}, BFrameOptions, " -b 0"},
      {"b-frames non-numeric", {{C::MaxB, "x3"}}, BFrameOptions, " -b x3"},
      {"every b-frame switch",
       {{C::MaxB, "3"}, {C::DirectMode, 2}, {C::BMe, 1}, {C::BAdapt, 0}, {C::BRef, 1}, {C::BWeighted, 0},
        {C::Bias, "-20"}},
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
