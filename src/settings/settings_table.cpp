#include "settings/settings_table.h"

#include <algorithm>
#include <string>
#include <vector>

namespace qv {
namespace {

constexpr Limit kNone{LimitKind::None, 0, 0};
constexpr Limit Int(int lo, int hi) { return Limit{LimitKind::Integer, lo, hi}; }
constexpr Limit kRate{LimitKind::RateValue, 0, 8000};
constexpr Limit kFraction{LimitKind::Fraction, 0, 1};

constexpr SettingKind N = SettingKind::Number;
constexpr SettingKind T = SettingKind::Text;

// clang-format off
const SettingSpec kSettings[kSettingCount] = {
  // key        kind control                   built-in line if missing on load      on the form
  {"upstat",    N, ControlId::UpdateStats,    nullptr,  0, "1",     kNone,         kNone},
  {"a1",        N, ControlId::A1,             "1",      1, "0",     kNone,         kNone},
  {"a2",        N, ControlId::A2,             "1",      2, "0",     kNone,         kNone},
  {"a3",        N, ControlId::A3,             "1",      3, "0",     kNone,         kNone},
  {"a4",        N, ControlId::A4,             "0",      4, "0",     kNone,         kNone},
  {"a5",        N, ControlId::A5,             "1",      5, "0",     kNone,         kNone},
  {"a6",        N, ControlId::A6,             "1",      6, "0",     kNone,         kNone},
  {"cab",       N, ControlId::Cabac,          "1",      7, "0",     kNone,         kNone},
  {"mxref",     N, ControlId::MixedRefs,      "0",      8, "0",     kNone,         kNone},
  {"tre",       N, ControlId::Trellis,        "0",      9, "0",     kNone,         kNone},
  {"fil",       N, ControlId::Deblock,        "1",     10, "0",     kNone,         kNone},
  {"bref",      N, ControlId::BRef,           "0",     11, "0",     kNone,         kNone},
  {"bme",       N, ControlId::BMe,            "0",     12, "0",     kNone,         kNone},
  {"ba",        N, ControlId::BAdapt,         "1",     13, "0",     kNone,         kNone},
  {"bwb",       N, ControlId::BWeighted,      "1",     14, "0",     kNone,         kNone},
  {"mode",      N, ControlId::Mode,           "1",     15, "0",     kNone,         kNone},
  {"dm",        N, ControlId::DirectMode,     "0",     16, "0",     kNone,         kNone},
  {"m",         N, ControlId::Subpel,         "4",     17, "0",     kNone,         kNone},
  {"ms",        N, ControlId::Method,         "1",     18, "0",     kNone,         kNone},
  {"aud",       N, ControlId::Audio,          "0",     19, "0",     kNone,         kNone},
  {"ae",        N, ControlId::AudioEncoder,   "1",     20, "0",     kNone,         kNone},
  {"apin",      N, ControlId::ThreadInput,    "0",     21, "0",     kNone,         kNone},
  {"muxer",     N, ControlId::Muxer,          "0",     43, "0",     kNone,         kNone},
  {"deb-a",     N, ControlId::Strength,       nullptr,  0, "6",     kNone,         kNone},
  {"deb-b",     N, ControlId::Threshold,      nullptr,  0, "6",     kNone,         kNone},
  {"fastpsk",   N, ControlId::FastPSkip,      nullptr,  0, "1",     kNone,         kNone},
  {"dctd",      N, ControlId::DctDecimate,    nullptr,  0, "1",     kNone,         kNone},
  {"crelog",    N, ControlId::CreateLog,      nullptr,  0, "1",     kNone,         kNone},
  {"cqm",       T, ControlId::Matrix,         nullptr,  0, "flat",  kNone,         kNone},
  {"aub",       T, ControlId::AudioBitrate,   "64",    22, "64000", kNone,         kNone},
  {"fa",        T, ControlId::StrengthValue,  "0",     23, "0",     kNone,         kNone},
  {"mb",        T, ControlId::MaxB,           "2",     24, "0",     Int(0, 16),    Int(0, 16)},
  {"bias",      T, ControlId::Bias,           "0",     25, "0",     kNone,         kNone},
  {"fb",        T, ControlId::ThresholdValue, "0",     26, "0",     kNone,         kNone},
  {"value",     T, ControlId::Value,          "26",    27, "0",     kRate,         kRate},
  {"range",     T, ControlId::Range,          "16",    28, "0",     Int(0, 64),    Int(0, 64)},
  {"ref",       T, ControlId::Ref,            "1",     29, "0",     Int(0, 16),    Int(0, 16)},
  {"arx",       T, ControlId::SarX,           "1",     30, "0",     kNone,         kNone},
  {"ary",       T, ControlId::SarY,           "1",     31, "0",     kNone,         kNone},
  {"thr",       T, ControlId::Threads,        "1",     32, "0",     Int(0, 4),     Int(0, 4)},
  {"nr",        T, ControlId::Nr,             "0",     33, "0",     kNone,         kNone},
  {"kfb",       T, ControlId::Kfb,            "40",    34, "0",     Int(0, 70),    Int(0, 900)},
  {"bfr",       T, ControlId::Bfr,            "30",    35, "0",     Int(0, 60),    Int(0, 900)},
  {"vbr",       T, ControlId::Vbr,            "60",    36, "0",     Int(0, 100),   Int(0, 100)},
  {"minqp",     T, ControlId::MinQp,          "10",    37, "0",     Int(1, 51),    Int(1, 51)},
  {"maxqp",     T, ControlId::MaxQp,          "51",    38, "0",     Int(1, 51),    Int(1, 51)},
  {"qps",       T, ControlId::QpStep,         "4",     39, "0",     Int(1, 50),    Int(1, 50)},
  {"vbs",       T, ControlId::Vbs,            nullptr,  0, "0",     kNone,         Int(0, 240000)},
  {"vmb",       T, ControlId::Vmb,            nullptr,  0, "0",     kNone,         Int(0, 8000)},
  {"vib",       T, ControlId::Vib,            nullptr,  0, "0.9",   kNone,         kFraction},
  {"bv",        T, ControlId::Bv,             nullptr,  0, "100",   kNone,         Int(10, 1000)},
  {"sct",       T, ControlId::Sct,            "40",    40, "0",     Int(0, 100),   Int(0, 100)},
  {"mingop",    T, ControlId::MinGop,         "25",    41, "0",     kNone,         kNone},
  {"maxgop",    T, ControlId::MaxGop,         "250",   42, "0",     kNone,         kNone},
  {"auto1pcrf", T, ControlId::Auto1pCrf,      nullptr,  0, "16",    kNone,         kNone},
  {"avsinc",    T, ControlId::IncludeScript,  nullptr,  0, "",      kNone,         kNone},
  {"maxsize",   T, ControlId::MaxSize,        nullptr,  0, "110",   kNone,         kNone},
  {"minsize",   T, ControlId::MinSize,        nullptr,  0, "90",    kNone,         kNone},
};
// clang-format on

}  // namespace

const SettingSpec* AllSettings() { return kSettings; }

std::optional<SettingSpec> FindSetting(std::string_view key) {
  for (const SettingSpec& row : kSettings) {
    if (key == row.key) return row;
  }
  return std::nullopt;
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
      joined.append(row->key).append(" = ").append(row->builtIn);
    }
    return joined;
  }();
  return text;
}

}  // namespace qv
