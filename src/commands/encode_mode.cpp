#include "commands/encode_mode.h"

namespace qv {

std::vector<PlannedPass> PassPlan(int mode) {
  using M = EncodeMode;
  using R = RateSource;
  switch (static_cast<M>(mode)) {
    case M::AutoDoublePass:
      return {{M::FirstPass, R::Value}, {M::NthPass, R::Value}};
    case M::AutoDoublePassFast:
      return {{M::FirstPassFast, R::Value}, {M::NthPass, R::Value}};
    case M::AutoDoublePassCrf:
      return {{M::FirstPassCrf, R::Auto1pCrf}, {M::NthPass, R::Value}};
    case M::AutoDoublePassCrfFast:
      return {{M::FirstPassCrfFast, R::Auto1pCrf}, {M::NthPass, R::Value}};
    case M::ConditionalDoublePassCrf:
      return {{M::FirstPassCrfWithOutput, R::Auto1pCrf}, {M::ConditionalDoublePassCrf, R::Value}};
    default:
      break;
  }
  if (mode < 0 || mode > static_cast<int>(M::ConditionalDoublePassCrf)) return {};
  return {{static_cast<M>(mode), R::Value}};
}

bool WritesOutput(EncodeMode passMode) {
  switch (passMode) {
    case EncodeMode::FirstPass:
    case EncodeMode::FirstPassFast:
    case EncodeMode::FirstPassCrf:
    case EncodeMode::FirstPassCrfFast:
      return false;
    default:
      return true;
  }
}

}  // namespace qv
