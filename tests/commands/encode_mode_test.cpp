#include "commands/encode_mode.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using M = EncodeMode;
using R = RateSource;

bool operator==(const PlannedPass& a, const PlannedPass& b) {
  return a.passMode == b.passMode && a.rate == b.rate;
}

TEST(EncodeMode, PassModesPlanThemselvesWithTheRateValue) {
  for (const int mode : {0, 1, 2, 3, 4, 5, 8, 9, 12}) {
    const std::vector<PlannedPass> plan = PassPlan(mode);
    ASSERT_EQ(plan.size(), 1u) << mode;
    EXPECT_EQ(static_cast<int>(plan[0].passMode), mode);
    EXPECT_EQ(plan[0].rate, R::Value);
  }
}

TEST(EncodeMode, AutomatedModesExpandToTwoPasses) {
  const struct {
    int mode;
    PlannedPass first, second;
  } cases[] = {
      {6, {M::FirstPass, R::Value}, {M::NthPass, R::Value}},
      {7, {M::FirstPassFast, R::Value}, {M::NthPass, R::Value}},
      {10, {M::FirstPassCrf, R::Auto1pCrf}, {M::NthPass, R::Value}},
      {11, {M::FirstPassCrfFast, R::Auto1pCrf}, {M::NthPass, R::Value}},
      {13, {M::FirstPassCrfWithOutput, R::Auto1pCrf}, {M::ConditionalDoublePassCrf, R::Value}},
  };
  for (const auto& c : cases) {
    const std::vector<PlannedPass> plan = PassPlan(c.mode);
    ASSERT_EQ(plan.size(), 2u) << c.mode;
    EXPECT_TRUE(plan[0] == c.first) << c.mode;
    EXPECT_TRUE(plan[1] == c.second) << c.mode;
  }
}

TEST(EncodeMode, ModesOutsideTheListPlanNothing) {
  EXPECT_TRUE(PassPlan(-1).empty());
  EXPECT_TRUE(PassPlan(14).empty());
}

}  // namespace
}  // namespace qv
