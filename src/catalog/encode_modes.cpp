#include "catalog/encode_modes.h"

#include "catalog/table_rows.h"

#include <string>

namespace qv {
namespace {

using M = EncodeMode;
using P = ModePiece;
constexpr RateSource kValue = RateSource::Value;
constexpr RateSource kCrf = RateSource::FirstPassCrf;

// The rate a switch from a mode of the other unit puts into the field.
constexpr int kQ = 26;
constexpr int kB = 1000;

// The ranges the hint shows. No bitrate of 0 kbit/s is ever meant.
constexpr RateRange kQuantizerRange = {0, kQuantizerLimit};
constexpr RateRange kBitrateRange = {1, kBitrateLimit};

// The same pieces serve the Nth pass and the conditional second pass, and
// the CRF first pass with and without output.
constexpr std::array<ModePiece, kMaxModePieces> kNthPass = {
    P::NthPassFlag, P::Stats, P::BitrateValue, P::FullQuantizerLimits, P::Ratios,
    P::ChromaMe,    P::Partitions, P::Subpel, P::Vbv};
constexpr std::array<ModePiece, kMaxModePieces> kCrfFirstPass = {
    P::Stats, P::FirstPassFlag, P::CrfValue, P::Partitions, P::ChromaMe, P::Ratios, P::Subpel,
    P::FullQuantizerLimits, P::Vbv};

// clang-format off
constexpr EncodeModeSpec kModes[kEncodeModeCount] = {
  {"Single Pass - Bitrate", kBitrateLimit, kB, 0,
   1, {{{M::SinglePassBitrate, kValue}}},
   {P::BitrateValue, P::Ratios, P::Partitions, P::Bitrate, P::FullQuantizerLimits, P::Subpel, P::Vbv}},
  {"Single Pass - Quantizer", kQuantizerLimit, kQ, kQuantizerRate | kNoRateControl,
   1, {{{M::SinglePassQuantizer, kValue}}},
   {P::QuantizerValue, P::ShortQuantizerLimits, P::Partitions, P::ChromaMe, P::Subpel}},
  {"Single Pass - CRF", kQuantizerLimit, kQ, kQuantizerRate,
   1, {{{M::SinglePassCrf, kValue}}},
   {P::CrfValue, P::Partitions, P::Subpel, P::ChromaMe, P::FullQuantizerLimits, P::Ratios, P::VbvWithoutRatetol}},
  {"Mutipass - First Pass", kBitrateLimit, kB, kUsesStats | kDiscardsOutput,
   1, {{{M::FirstPass, kValue}}},
   {P::FirstPassFlag, P::Stats, P::BitrateValue, P::ShortQuantizerLimits, P::Partitions, P::ChromaMe, P::Ratios,
    P::Subpel, P::Vbv}},
  {"Mutipass - First Pass(fast)", kBitrateLimit, kB, kUsesStats | kStatsPickerOpens | kDiscardsOutput,
   1, {{{M::FirstPassFast, kValue}}},
   {P::FastFirstPassFlag, P::Stats, P::BitrateValue, P::ShortQuantizerLimits, P::Ratios, P::FastPartitions,
    P::FastSubpel, P::Vbv}},
  {"Mutipass - Nth pass", kBitrateLimit, kB, kUsesStats,
   1, {{{M::NthPass, kValue}}}, kNthPass},
  {"Automated Double Passes", kBitrateLimit, kB, kUsesStats,
   2, {{{M::FirstPass, kValue}, {M::NthPass, kValue}}}, {}},
  {"Automated Double Passes(fast)", kBitrateLimit, kB, kUsesStats,
   2, {{{M::FirstPassFast, kValue}, {M::NthPass, kValue}}}, {}},
  {"Mutipass - First Pass(CRF)", kBitrateLimit, kQ, kQuantizerRate | kUsesStats | kDiscardsOutput,
   1, {{{M::FirstPassCrf, kValue}}}, kCrfFirstPass},
  {"Mutipass - First Pass(CRF-fast)", kBitrateLimit, kQ, kQuantizerRate | kUsesStats | kDiscardsOutput,
   1, {{{M::FirstPassCrfFast, kValue}}},
   {P::Stats, P::FastFirstPassFlag, P::CrfValue, P::FastPartitions, P::FastSubpel, P::FullQuantizerLimits, P::Ratios,
    P::Vbv}},
  {"Automated Double Passes(1P-CRF)", kBitrateLimit, kB, kUsesStats,
   2, {{{M::FirstPassCrf, kCrf}, {M::NthPass, kValue}}}, {}},
  {"Automated Double Passes(1P-CRF-fast)", kBitrateLimit, kB, kUsesStats,
   2, {{{M::FirstPassCrfFast, kCrf}, {M::NthPass, kValue}}}, {}},
  {"Mutipass - First Pass(CRF with output)", kBitrateLimit, kQ, kQuantizerRate | kUsesStats,
   1, {{{M::FirstPassCrfWithOutput, kValue}}}, kCrfFirstPass},
  {"Conditional Double Passes(1P-CRF)", kBitrateLimit, kB, kUsesStats | kSizeCheck | kRunsIfSizeOff,
   2, {{{M::FirstPassCrfWithOutput, kCrf}, {M::ConditionalDoublePassCrf, kValue}}}, kNthPass},
};
// clang-format on

}  // namespace

constexpr std::array<const char*, kEncodeModeCount> kEncodeModeTexts = ListTexts(kModes);

const EncodeModeSpec* FindEncodeMode(int index) { return RowAt(kModes, index); }

const EncodeModeSpec& EncodeModeRow(EncodeMode mode) { return kModes[static_cast<int>(mode)]; }

bool HasTrait(int modeIndex, ModeTrait trait) {
  const EncodeModeSpec* mode = FindEncodeMode(modeIndex);
  return mode != nullptr && (mode->traits & trait) != 0;
}

RateRange RateRangeOf(int modeIndex) { return HasTrait(modeIndex, kQuantizerRate) ? kQuantizerRange : kBitrateRange; }

std::string RateRangeText(int modeIndex) {
  const RateRange range = RateRangeOf(modeIndex);
  return std::to_string(range.lo) + "~" + std::to_string(range.hi);
}

std::string RateHint(int modeIndex) { return "Range " + RateRangeText(modeIndex); }

int RateLimit(int modeIndex) {
  const EncodeModeSpec* mode = FindEncodeMode(modeIndex);
  return mode != nullptr ? mode->rateLimit : kBitrateLimit;
}

}  // namespace qv
