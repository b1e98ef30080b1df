#pragma once
// The fourteen encode modes, one row each: the text of the mode list, how the
// form looks in the mode, the passes the mode runs and, for a mode that runs
// as a pass of its own, the pieces of its x264 line after the common options.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace qv {

enum class EncodeMode : std::uint8_t {
  SinglePassBitrate,
  SinglePassQuantizer,
  SinglePassCrf,
  FirstPass,
  FirstPassFast,
  NthPass,
  AutoDoublePass,
  AutoDoublePassFast,
  FirstPassCrf,
  FirstPassCrfFast,
  AutoDoublePassCrf,
  AutoDoublePassCrfFast,
  FirstPassCrfWithOutput,
  ConditionalDoublePassCrf,
};

// Where a pass takes its rate value from: the rate field, or the CRF field of
// the modes that start with a CRF pass.
enum class RateSource : std::uint8_t { Value, FirstPassCrf };

struct PlannedPass {
  EncodeMode passMode;
  RateSource rate;
};

// The elements of a pass's x264 line after the common options, in order.
enum class ModePiece : std::uint8_t {
  None,             // ends the list
  FirstPassFlag,    // " -p 1", in the current syntax with the full settings of the later passes
  FastFirstPassFlag,  // " -p 1", which today's x264 runs with its fast first-pass settings
  NthPassFlag,      // " -p 3", or " -p 2" without "Update Statsfile"
  Stats,            // the quoted statistics file
  BitrateValue,     // " -B " and the rate value
  QuantizerValue,   // " -q " and the rate value
  CrfValue,         // " --crf " and the rate value
  Ratios,
  Partitions,
  FastPartitions,
  Bitrate,          // the bitrate option once more
  ShortQuantizerLimits,
  FullQuantizerLimits,
  ChromaMe,
  Subpel,
  FastSubpel,
  Vbv,
  VbvWithoutRatetol,
};

// What sets a mode apart on the form and in the batch.
enum ModeTrait : std::uint8_t {
  kQuantizerRate = 1 << 0,      // the rate is a quantizer or CRF: "Quantizer", no "Calc", no bitrate variance
  kNoRateControl = 1 << 1,      // constant quantizer: every rate-control limit is off
  kUsesStats = 1 << 2,          // the statistics-file controls are on
  kStatsPickerOpens = 1 << 3,   // the pass reads an existing statistics file
  kDiscardsOutput = 1 << 4,     // the encode goes to nul
  kSizeCheck = 1 << 5,          // size bounds instead of the banner; a size check before the last pass
  kRunsIfSizeOff = 1 << 6,      // the pass runs only when the size check before it failed
};

inline constexpr std::size_t kMaxModePieces = 9;

// The rate field's upper bounds: a quantizer's, and a bitrate's in kbit/s.
inline constexpr int kQuantizerLimit = 51;
inline constexpr int kBitrateLimit = 8000;

struct EncodeModeSpec {
  const char* listText;
  int rateLimit;    // the highest rate a loaded config keeps in this mode
  int defaultRate;  // what a switch from a mode of the other unit puts into the rate field
  std::uint8_t traits;
  std::uint8_t passCount;
  std::array<PlannedPass, 2> passes;             // the first passCount are the mode's passes, in order
  std::array<ModePiece, kMaxModePieces> pieces;  // empty for a mode that never runs as a pass
};

inline constexpr int kEncodeModeCount = 14;

// The row of a mode list index; nullptr outside the list.
const EncodeModeSpec* FindEncodeMode(int index);
const EncodeModeSpec& EncodeModeRow(EncodeMode mode);

// False for an index outside the list.
bool HasTrait(int modeIndex, ModeTrait trait);

// The highest rate a loaded config keeps in a mode; the bitrate bound
// outside the list.
int RateLimit(int modeIndex);

// The rates a job may be written with in a mode, as the hint beside the
// field shows them: a quantizer or CRF, or a bitrate in kbit/s.
struct RateRange {
  int lo;
  int hi;
};
RateRange RateRangeOf(int modeIndex);

// "0~51", as a message names the range.
std::string RateRangeText(int modeIndex);

// "Range 0~51": the hint beside the rate field in a mode.
std::string RateHint(int modeIndex);

// The mode list's texts, in list order.
extern const std::array<const char*, kEncodeModeCount> kEncodeModeTexts;

}  // namespace qv
