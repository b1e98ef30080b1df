#pragma once
// The fourteen encode modes and the passes each one expands to.

#include <string_view>
#include <vector>

namespace qv {

enum class EncodeMode : int {
  SinglePassBitrate = 0,
  SinglePassQuantizer = 1,
  SinglePassCrf = 2,
  FirstPass = 3,
  FirstPassFast = 4,
  NthPass = 5,
  AutoDoublePass = 6,
  AutoDoublePassFast = 7,
  FirstPassCrf = 8,
  FirstPassCrfFast = 9,
  AutoDoublePassCrf = 10,
  AutoDoublePassCrfFast = 11,
  FirstPassCrfWithOutput = 12,
  ConditionalDoublePassCrf = 13,
};

enum class RateSource { Value, Auto1pCrf };

struct PlannedPass {
  EncodeMode passMode;
  RateSource rate;
};

// The passes of a mode, in order; a mode outside 0..13 has none. For mode 13
// the size check stands between the two passes.
std::vector<PlannedPass> PassPlan(int mode);

// True for the pass modes whose x264 run writes the output file (all but 3, 4, 8, 9).
bool WritesOutput(EncodeMode passMode);

}  // namespace qv
