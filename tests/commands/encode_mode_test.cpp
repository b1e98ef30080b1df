#include "commands/encode_mode.h"

#include <gtest/gtest.h>

#include <map>

namespace qv {
namespace {

using M = EncodeMode;
using R = RateSource;

// Automated modes expand to two passes; the others plan themselves with the
// rate value; modes outside the list plan nothing.
TEST(EncodeMode, EachModePlansItsPasses) {
  const std::map<int, std::vector<std::pair<M, R>>> automated = {
      {6, {{M::FirstPass, R::Value}, {M::NthPass, R::Value}}},
      {7, {{M::FirstPassFast, R::Value}, {M::NthPass, R::Value}}},
      {10, {{M::FirstPassCrf, R::Auto1pCrf}, {M::NthPass, R::Value}}},
      {11, {{M::FirstPassCrfFast, R::Auto1pCrf}, {M::NthPass, R::Value}}},
      {13, {{M::FirstPassCrfWithOutput, R::Auto1pCrf}, {M::ConditionalDoublePassCrf, R::Value}}},
  };
  for (int mode = -1; mode <= 14; ++mode) {
    std::vector<std::pair<M, R>> expected;
    if (automated.count(mode) != 0) {
      expected = automated.at(mode);
    } else if (mode >= 0 && mode <= 13) {
      expected = {{static_cast<M>(mode), R::Value}};
    }
    std::vector<std::pair<M, R>> plan;
    for (const PlannedPass& pass : PassPlan(mode)) plan.emplace_back(pass.passMode, pass.rate);
    EXPECT_EQ(plan, expected) << mode;
  }
}

}  // namespace
}  // namespace qv
