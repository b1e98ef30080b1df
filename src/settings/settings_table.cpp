#include "settings/settings_table.h"

#include <algorithm>
#include <string>
#include <vector>

#include "settings/key_value_file.h"

namespace qv {
namespace {

constexpr Limit kNone{LimitKind::None, 0, 0};
constexpr Limit Within(int lo, int hi) { return Limit{LimitKind::Integer, lo, hi}; }
// The upper bound is the mode's (RateLimit).
constexpr Limit kRate{LimitKind::RateValue, 0, 0};
constexpr Limit kFraction{LimitKind::Fraction, 0, 1};

constexpr SettingKind N = SettingKind::Number;
constexpr SettingKind T = SettingKind::Text;
constexpr ValueFormat Pick = ValueFormat::Choice;
constexpr ValueFormat Int = ValueFormat::Integer;
constexpr ValueFormat Frac = ValueFormat::Fraction;
constexpr ValueFormat Mat = ValueFormat::Matrix;
constexpr ValueFormat Entry = ValueFormat::ListEntry;

// clang-format off
const std::array<SettingSpec, kSettingCount> kSettings = {{
  // key       kind format control                    built-in line  if missing on load      on the form
  {"upstat",    N, Pick,  ControlId::UpdateStats,     nullptr,  0, "1",     kNone,           kNone},
  {"a1",        N, Pick,  ControlId::A1,              "1",      1, "0",     kNone,           kNone},
  {"a2",        N, Pick,  ControlId::A2,              "1",      2, "0",     kNone,           kNone},
  {"a3",        N, Pick,  ControlId::A3,              "1",      3, "0",     kNone,           kNone},
  {"a4",        N, Pick,  ControlId::A4,              "0",      4, "0",     kNone,           kNone},
  {"a5",        N, Pick,  ControlId::A5,              "1",      5, "0",     kNone,           kNone},
  {"a6",        N, Pick,  ControlId::A6,              "1",      6, "0",     kNone,           kNone},
  {"cab",       N, Pick,  ControlId::Cabac,           "1",      7, "0",     kNone,           kNone},
  {"mxref",     N, Pick,  ControlId::MixedRefs,       "0",      8, "0",     kNone,           kNone},
  {"tre",       N, Pick,  ControlId::Trellis,         "0",      9, "0",     kNone,           kNone},
  {"fil",       N, Pick,  ControlId::Deblock,         "1",     10, "0",     kNone,           kNone},
  {"bref",      N, Pick,  ControlId::BRef,            "0",     11, "0",     kNone,           kNone},
  {"bme",       N, Pick,  ControlId::BMe,             "0",     12, "0",     kNone,           kNone},
  {"ba",        N, Pick,  ControlId::BAdapt,          "1",     13, "0",     kNone,           kNone},
  {"bwb",       N, Pick,  ControlId::BWeighted,       "1",     14, "0",     kNone,           kNone},
  {"mode",      N, Pick,  ControlId::Mode,            "1",     15, "0",     kNone,           kNone},
  {"dm",        N, Pick,  ControlId::DirectMode,      "0",     16, "0",     kNone,           kNone},
  {"m",         N, Pick,  ControlId::Subpel,          "4",     17, "0",     kNone,           kNone},
  {"ms",        N, Pick,  ControlId::Method,          "1",     18, "0",     kNone,           kNone},
  {"aud",       N, Pick,  ControlId::Audio,           "0",     19, "0",     kNone,           kNone},
  {"ae",        N, Pick,  ControlId::AudioEncoder,    "1",     20, "0",     kNone,           kNone},
  {"apin",      N, Pick,  ControlId::ThreadInput,     "0",     21, "0",     kNone,           kNone},
  {"muxer",     N, Pick,  ControlId::Muxer,           "0",     43, "0",     kNone,           kNone},
  {"deb-a",     N, Pick,  ControlId::Strength,        nullptr,  0, "6",     kNone,           kNone},
  {"deb-b",     N, Pick,  ControlId::Threshold,       nullptr,  0, "6",     kNone,           kNone},
  {"fastpsk",   N, Pick,  ControlId::FastPSkip,       nullptr,  0, "1",     kNone,           kNone},
  {"dctd",      N, Pick,  ControlId::DctDecimate,     nullptr,  0, "1",     kNone,           kNone},
  {"crelog",    N, Pick,  ControlId::CreateLog,       nullptr,  0, "1",     kNone,           kNone},
  {"cqm",       T, Mat,   ControlId::Matrix,          nullptr,  0, "flat",  kNone,           kNone},
  {"aub",       T, Frac,  ControlId::AudioBitrate,    "64",    22, "64000", kNone,           kNone},
  {"fa",        T, Int,   ControlId::StrengthValue,   "0",     23, "0",     kNone,           kNone},
  {"mb",        T, Int,   ControlId::MaxB,            "2",     24, "0",     Within(0, 16),   Within(0, 16)},
  {"bias",      T, Int,   ControlId::Bias,            "0",     25, "0",     kNone,           kNone},
  {"fb",        T, Int,   ControlId::ThresholdValue,  "0",     26, "0",     kNone,           kNone},
  {"value",     T, Frac,  ControlId::Value,           "26",    27, "0",     kRate,           kNone},
  {"range",     T, Int,   ControlId::Range,           "16",    28, "0",     Within(0, 64),   Within(0, 64)},
  {"ref",       T, Int,   ControlId::Ref,             "1",     29, "0",     Within(0, 16),   Within(0, 16)},
  {"arx",       T, Int,   ControlId::SarX,            "1",     30, "0",     kNone,           kNone},
  {"ary",       T, Int,   ControlId::SarY,            "1",     31, "0",     kNone,           kNone},
  {"thr",       T, Int,   ControlId::Threads,         "1",     32, "0",     Within(0, 4),    Within(0, 4)},
  {"nr",        T, Int,   ControlId::Nr,              "0",     33, "0",     kNone,           kNone},
  {"kfb",       T, Int,   ControlId::Kfb,             "40",    34, "0",     Within(0, 70),   Within(0, 70)},
  {"bfr",       T, Int,   ControlId::Bfr,             "30",    35, "0",     Within(0, 60),   Within(0, 60)},
  {"vbr",       T, Int,   ControlId::Vbr,             "60",    36, "0",     Within(0, 100),  Within(0, 100)},
  {"minqp",     T, Int,   ControlId::MinQp,           "10",    37, "0",     Within(1, 51),   Within(1, 51)},
  {"maxqp",     T, Int,   ControlId::MaxQp,           "51",    38, "0",     Within(1, 51),   Within(1, 51)},
  {"qps",       T, Int,   ControlId::QpStep,          "4",     39, "0",     Within(1, 50),   Within(1, 50)},
  {"vbs",       T, Int,   ControlId::Vbs,             nullptr,  0, "0",     kNone,           Within(0, 240000)},
  {"vmb",       T, Int,   ControlId::Vmb,             nullptr,  0, "0",     kNone,           Within(0, 8000)},
  {"vib",       T, Frac,  ControlId::Vib,             nullptr,  0, "0.9",   kNone,           kFraction},
  {"bv",        T, Int,   ControlId::Bv,              nullptr,  0, "100",   kNone,           Within(10, 1000)},
  {"sct",       T, Int,   ControlId::Sct,             "40",    40, "0",     Within(0, 100),  Within(0, 100)},
  {"mingop",    T, Int,   ControlId::MinGop,          "25",    41, "0",     kNone,           kNone},
  {"maxgop",    T, Int,   ControlId::MaxGop,          "250",   42, "0",     kNone,           kNone},
  {"auto1pcrf", T, Frac,  ControlId::Auto1pCrf,       nullptr,  0, "16",    kNone,           kNone},
  {"avsinc",    T, Entry, ControlId::IncludeScript,   nullptr,  0, "",      kNone,           kNone,  true},
  {"maxsize",   T, Frac,  ControlId::MaxSize,         nullptr,  0, "110",   kNone,           kNone},
  {"minsize",   T, Frac,  ControlId::MinSize,         nullptr,  0, "90",    kNone,           kNone},
  // Added after the others, so that older configs, which lack it, load "auto".
  {"x264syntax", N, Pick, ControlId::X264Syntax,      nullptr,  0, "0",     kNone,           kNone,  true},
  {"skipdone",  N, Pick,  ControlId::SkipDone,        nullptr,  0, "0",     kNone,           kNone,  true},
}};
// clang-format on

}  // namespace

const std::array<SettingSpec, kSettingCount>& AllSettings() { return kSettings; }

std::optional<SettingSpec> FindSetting(std::string_view key) {
  for (const SettingSpec& row : kSettings) {
    if (key == row.key) return row;
  }
  return std::nullopt;
}

const SettingSpec& SettingOf(ControlId control) {
  return *std::find_if(AllSettings().begin(), AllSettings().end(),
                       [control](const SettingSpec& row) { return row.control == control; });
}

std::string_view DefaultConfigText() {
  static const std::string text = [] {
    std::vector<const SettingSpec*> lines;
    for (const SettingSpec& row : kSettings) {
      if (row.builtInLine != 0) lines.push_back(&row);
    }
    std::sort(lines.begin(), lines.end(),
              [](const SettingSpec* a, const SettingSpec* b) { return a->builtInLine < b->builtInLine; });
    std::string joined;
    for (const SettingSpec* row : lines) {
      if (!joined.empty()) joined += "\r\n";
      joined.append(row->key).append(kKeyValueSeparator).append(row->builtIn);
    }
    return joined;
  }();
  return text;
}

}  // namespace qv
