// The estimates of the worked two-group cases and the effect lines the report
// opens with: weight, raw effect, smoothed effect.
#include <gtest/gtest.h>

#include <string>

#include "support/printed.h"
#include "trendrank/test_helpers.h"

namespace {

using trendrank_test::state_with;

// Estimates, then the effect lines the report prints from them.
std::string estimate_and_trace(trendrank::State& state) {
  trendrank::estimate_effects_and_locations(state);
  return testsupport::printed([&](con::Console& c) { trendrank::write_effect_trace(c, state); });
}

TEST(EstimateEffectsAndLocations, WorkedTwoGroupCases) {
  auto state = state_with({{1, 2, 3}, {4, 5}});
  state->group_weights[0] = 3.0f;
  state->group_weights[1] = 2.0f;
  EXPECT_EQ(estimate_and_trace(*state),
            " 3.00000000 -1.00000000 -1.00000000\r\n 2.00000000 1.50000000 1.50000000\r\n");
  EXPECT_EQ(state->centre, 3.0f);
  EXPECT_EQ(state->symmetric_locations[0], 2.0f);
  EXPECT_EQ(state->symmetric_locations[1], 4.5f);

  // Reversed order: the raw effects decrease, so both smooth to their weighted
  // mean 0; the centre is still 3 and both estimates are 3.
  auto rev = state_with({{4, 5}, {1, 2, 3}});
  rev->group_weights[0] = 2.0f;
  rev->group_weights[1] = 3.0f;
  EXPECT_EQ(estimate_and_trace(*rev),
            " 2.00000000 1.50000000 0.000000000e+00\r\n"
            " 3.00000000 -1.00000000 0.000000000e+00\r\n");
  EXPECT_EQ(rev->centre, 3.0f);
  EXPECT_EQ(rev->symmetric_locations[0], 3.0f);
  EXPECT_EQ(rev->symmetric_locations[1], 3.0f);

  // One group: no pair, effect 0, centre the median of the ten Walsh averages.
  auto one = state_with({{1, 2, 3, 10}});
  one->group_weights[0] = 4.0f;
  estimate_and_trace(*one);
  EXPECT_EQ(one->smoothed_effects[0], 0.0f);
  EXPECT_EQ(one->centre, 2.75f);
  EXPECT_EQ(one->symmetric_locations[0], 2.75f);
}

}  // namespace
