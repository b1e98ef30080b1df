#include "settings/settings_table.h"

#include <string>

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
  // key        kind control                   built-in  if missing  on load       on the form
  {"upstat",    N, ControlId::UpdateStats,    nullptr, "1",     kNone,         kNone},
  {"a1",        N, ControlId::A1,             "1",     "0",     kNone,         kNone},
  {"a2",        N, ControlId::A2,             "1",     "0",     kNone,         kNone},
  {"a3",        N, ControlId::A3,             "1",     "0",     kNone,         kNone},
  {"a4",        N, ControlId::A4,             "0",     "0",     kNone,         kNone},
  {"a5",        N, ControlId::A5,             "1",     "0",     kNone,         kNone},
  {"a6",        N, ControlId::A6,             "1",     "0",     kNone,         kNone},
  {"cab",       N, ControlId::Cabac,          "1",     "0",     kNone,         kNone},
  {"mxref",     N, ControlId::MixedRefs,      "0",     "0",     kNone,         kNone},
  {"tre",       N, ControlId::Trellis,        "0",     "0",     kNone,         kNone},
  {"fil",       N, ControlId::Deblock,        "1",     "0",     kNone,         kNone},
  {"bref",      N, ControlId::BRef,           "0",     "0",     kNone,         kNone},
  {"bme",       N, ControlId::BMe,            "0",     "0",     kNone,         kNone},
  {"ba",        N, ControlId::BAdapt,         "1",     "0",     kNone,         kNone},
  {"bwb",       N, ControlId::BWeighted,      "1",     "0",     kNone,         kNone},
  {"mode",      N, ControlId::Mode,           "1",     "0",     kNone,         kNone},
  {"dm",        N, ControlId::DirectMode,     "0",     "0",     kNone,         kNone},
  {"m",         N, ControlId::Subpel,         "4",     "0",     kNone,         kNone},
  {"ms",        N, ControlId::Method,         "1",     "0",     kNone,         kNone},
  {"aud",       N, ControlId::Audio,          "0",     "0",     kNone,         kNone},
  {"ae",        N, ControlId::AudioEncoder,   "1",     "0",     kNone,         kNone},
  {"apin",      N, ControlId::ThreadInput,    "0",     "0",     kNone,         kNone},
  {"muxer",     N, ControlId::Muxer,          "0",     "0",     kNone,         kNone},
  {"deb-a",     N, ControlId::Strength,       nullptr, "6",     kNone,         kNone},
  {"deb-b",     N, ControlId::Threshold,      nullptr, "6",     kNone,         kNone},
  {"fastpsk",   N, ControlId::FastPSkip,      nullptr, "1",     kNone,         kNone},
  {"dctd",      N, ControlId::DctDecimate,    nullptr, "1",     kNone,         kNone},
  {"crelog",    N, ControlId::CreateLog,      nullptr, "1",     kNone,         kNone},
  {"cqm",       T, ControlId::Matrix,         nullptr, "flat",  kNone,         kNone},
  {"aub",       T, ControlId::AudioBitrate,   "64",    "64000", kNone,         kNone},
  {"fa",        T, ControlId::StrengthValue,  "0",     "0",     kNone,         kNone},
  {"mb",        T, ControlId::MaxB,           "2",     "0",     Int(0, 16),    Int(0, 16)},
  {"bias",      T, ControlId::Bias,           "0",     "0",     kNone,         kNone},
  {"fb",        T, ControlId::ThresholdValue, "0",     "0",     kNone,         kNone},
  {"value",     T, ControlId::Value,          "26",    "0",     kRate,         kRate},
  {"range",     T, ControlId::Range,          "16",    "0",     Int(0, 64),    Int(0, 64)},
  {"ref",       T, ControlId::Ref,            "1",     "0",     Int(0, 16),    Int(0, 16)},
  {"arx",       T, ControlId::SarX,           "1",     "0",     kNone,         kNone},
  {"ary",       T, ControlId::SarY,           "1",     "0",     kNone,         kNone},
  {"thr",       T, ControlId::Threads,        "1",     "0",     Int(0, 4),     Int(0, 4)},
  {"nr",        T, ControlId::Nr,             "0",     "0",     kNone,         kNone},
  {"kfb",       T, ControlId::Kfb,            "40",    "0",     Int(0, 70),    Int(0, 900)},
  {"bfr",       T, ControlId::Bfr,            "30",    "0",     Int(0, 60),    Int(0, 900)},
  {"vbr",       T, ControlId::Vbr,            "60",    "0",     Int(0, 100),   Int(0, 100)},
  {"minqp",     T, ControlId::MinQp,          "10",    "0",     Int(1, 51),    Int(1, 51)},
  {"maxqp",     T, ControlId::MaxQp,          "51",    "0",     Int(1, 51),    Int(1, 51)},
  {"qps",       T, ControlId::QpStep,         "4",     "0",     Int(1, 50),    Int(1, 50)},
  {"vbs",       T, ControlId::Vbs,            nullptr, "0",     kNone,         Int(0, 240000)},
  {"vmb",       T, ControlId::Vmb,            nullptr, "0",     kNone,         Int(0, 8000)},
  {"vib",       T, ControlId::Vib,            nullptr, "0.9",   kNone,         kFraction},
  {"bv",        T, ControlId::Bv,             nullptr, "100",   kNone,         Int(10, 1000)},
  {"sct",       T, ControlId::Sct,            "40",    "0",     Int(0, 100),   Int(0, 100)},
  {"mingop",    T, ControlId::MinGop,         "25",    "0",     kNone,         kNone},
  {"maxgop",    T, ControlId::MaxGop,         "250",   "0",     kNone,         kNone},
  {"auto1pcrf", T, ControlId::Auto1pCrf,      nullptr, "16",    kNone,         kNone},
  {"avsinc",    T, ControlId::IncludeScript,  nullptr, "",      kNone,         kNone},
  {"maxsize",   T, ControlId::MaxSize,        nullptr, "110",   kNone,         kNone},
  {"minsize",   T, ControlId::MinSize,        nullptr, "90",    kNone,         kNone},
};
// clang-format on

// The built-in defaults in their own order (not the write order).
constexpr char kDefaultConfigText[] =
    "a1 = 1\r\na2 = 1\r\na3 = 1\r\na4 = 0\r\na5 = 1\r\na6 = 1\r\ncab = 1\r\nmxref = 0\r\n"
    "tre = 0\r\nfil = 1\r\nbref = 0\r\nbme = 0\r\nba = 1\r\nbwb = 1\r\nmode = 1\r\n"
    "dm = 0\r\nm = 4\r\nms = 1\r\naud = 0\r\nae = 1\r\napin = 0\r\naub = 64\r\nfa = 0\r\n"
    "mb = 2\r\nbias = 0\r\nfb = 0\r\nvalue = 26\r\nrange = 16\r\nref = 1\r\narx = 1\r\n"
    "ary = 1\r\nthr = 1\r\nnr = 0\r\nkfb = 40\r\nbfr = 30\r\nvbr = 60\r\nminqp = 10\r\n"
    "maxqp = 51\r\nqps = 4\r\nsct = 40\r\nmingop = 25\r\nmaxgop = 250\r\nmuxer = 0";

}  // namespace

const SettingSpec* AllSettings() { return kSettings; }

std::optional<SettingSpec> FindSetting(std::string_view key) {
  for (const SettingSpec& row : kSettings) {
    if (key == row.key) return row;
  }
  return std::nullopt;
}

std::string_view DefaultConfigText() {
  return std::string_view(kDefaultConfigText, sizeof(kDefaultConfigText) - 1);
}

}  // namespace qv
