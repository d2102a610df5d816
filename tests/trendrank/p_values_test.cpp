// The statistics and P values of both tests: branch choice, the draws of each
// branch, degenerate P values, statistics beyond 32 bits after rounding, and
// ties counted at or above but not above.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "support/groups.h"
#include "trendrank/test_helpers.h"

namespace {

using testsupport::ramp;
using trendrank_test::state_with;

TEST(StatisticsAndPValues, BranchChoice) {
  // Three groups of 30 simulate the limit law: both P values of a statistic
  // are equal and no value of the first generator is used.
  auto sim = state_with({ramp(30, 0, 1), ramp(30, 0.5f, 1), ramp(30, 0.25f, 1)});
  trendrank::statistics_and_p_values(*sim);
  EXPECT_EQ(sim->trend.p_at_least, sim->trend.p_above);
  EXPECT_EQ(sim->departure.p_at_least, sim->departure.p_above);
  EXPECT_EQ(sim->permutation_generator.state(), 0u);
  EXPECT_NE(sim->deviate_generator.state(), 0u);

  // One group of 29 rearranges the ranks with the first generator.
  auto rnd = state_with({ramp(30, 0, 1), ramp(29, 0.5f, 1), ramp(30, 0.25f, 1)});
  trendrank::statistics_and_p_values(*rnd);
  EXPECT_NE(rnd->permutation_generator.state(), 0u);
  EXPECT_EQ(rnd->deviate_generator.state(), 0u);
  EXPECT_GE(rnd->trend.p_at_least, rnd->trend.p_above);
}

TEST(StatisticsAndPValues, SimulationUsesOneNormalPairPerTwoGroups) {
  // Each repetition draws one normal pair per two groups (rounded up), two
  // values of the second generator each; with an odd group count the last second deviate is
  // thrown away. Nothing is drawn from the first generator.
  struct Case {
    int groups;
    int draws_per_repetition;
  };
  const Case cases[] = {{1, 2}, {2, 2}, {3, 4}, {4, 4}, {5, 6}};
  for (const Case& tc : cases) {
    std::vector<std::vector<float>> groups;
    for (int i = 0; i < tc.groups; ++i)
      groups.push_back(ramp(30, 0.25f * static_cast<float>(i), 1));
    auto state = state_with(groups);
    trendrank::statistics_and_p_values(*state);
    common::NonzeroUniformGenerator g;
    for (int i = 0; i < tc.draws_per_repetition * 9999; ++i) g.next();
    EXPECT_EQ(state->deviate_generator.state(), g.state()) << tc.groups << " groups";
    EXPECT_EQ(state->permutation_generator.state(), 0u) << tc.groups << " groups";
  }
}

TEST(StatisticsAndPValues, SimulatedPValuesFollowTheObservedStatistic) {
  // Identical groups: both observed statistics are 0 and every simulated value
  // (a sum of squares) is at least 0, so P = 0.9999. Groups far apart in
  // increasing order: the normalized trend statistic is about 79, beyond every simulated value, so
  // the trend P is 0 while the departure statistic is still 0. Both P values of a test are always
  // equal.
  struct Case {
    const char* name;
    std::unique_ptr<trendrank::State> state;
    float p_trend, p_departure;
  };
  Case cases[] = {
      {"no trend", state_with({ramp(30, 0, 1), ramp(30, 0, 1), ramp(30, 0, 1)}), 0.9999f, 0.9999f},
      {"strong trend", state_with({ramp(30, 0, 1), ramp(30, 100, 1), ramp(30, 200, 1)}), 0.0f,
       0.9999f},
  };
  for (Case& tc : cases) {
    trendrank::statistics_and_p_values(*tc.state);
    EXPECT_EQ(tc.state->trend.p_at_least, tc.p_trend) << tc.name;
    EXPECT_EQ(tc.state->trend.p_above, tc.p_trend) << tc.name;
    EXPECT_EQ(tc.state->departure.p_at_least, tc.p_departure) << tc.name;
    EXPECT_EQ(tc.state->departure.p_above, tc.p_departure) << tc.name;
  }
}

TEST(StatisticsAndPValues, SimulatedTrendEqualToObservedCounts) {
  // (31..60),(1..30) in decreasing order: the observed trend is 0. A simulated
  // pair in decreasing order pools to one fitted value, and in many
  // repetitions its trend is exactly 0 as well; such a tie counts as at least
  // the observed trend, so every repetition counts.
  auto state = state_with({ramp(30, 31, 1), ramp(30, 1, 1)});
  trendrank::statistics_and_p_values(*state);
  EXPECT_EQ(state->trend.normalized, 0.0f);
  EXPECT_EQ(state->trend.p_at_least, 0.9999f);
}

TEST(StatisticsAndPValues, DegenerateCases) {
  struct Case {
    const char* name;
    std::unique_ptr<trendrank::State> state;
    float trend_at_least, trend_above, departure_at_least, departure_above;
  };
  Case cases[] = {
      // No rank moves: every repetition reproduces the observed statistics (both 0).
      {"single small group", state_with({{4, 1, 3}}), 0.9999f, 0.0f, 0.9999f, 0.0f},
      {"all equal, rearranged", state_with({{2, 2}, {2, 2, 2}}), 0.9999f, 0.0f, 0.9999f, 0.0f},
      // NaN observed normalised statistics: no simulated value compares.
      {"all equal, simulated",
       state_with({std::vector<float>(30, 1.0f), std::vector<float>(30, 1.0f)}), 0.0f, 0.0f, 0.0f,
       0.0f},
  };
  for (Case& tc : cases) {
    trendrank::statistics_and_p_values(*tc.state);
    EXPECT_EQ(tc.state->trend.p_at_least, tc.trend_at_least) << tc.name;
    EXPECT_EQ(tc.state->trend.p_above, tc.trend_above) << tc.name;
    EXPECT_EQ(tc.state->departure.p_at_least, tc.departure_at_least) << tc.name;
    EXPECT_EQ(tc.state->departure.p_above, tc.departure_above) << tc.name;
  }
}

TEST(StatisticsAndPValues, StatisticBeyond32BitsStillOrdersCorrectly) {
  // Nine groups of 100 ascending values and one of 29 above them: a huge trend
  // statistic (about 6.6e7, times 10000 far beyond 32 bits) in the
  // randomization branch. No rearrangement reaches it.
  auto state = std::make_unique<trendrank::State>();
  state->data.group_count = 10;
  for (int i = 0; i < 10; ++i) {
    const int n = i < 9 ? 100 : 29;
    state->data.sizes[i] = n;
    for (int j = 0; j < n; ++j) state->data.observations[i][j] = static_cast<float>(i * 1000 + j);
    state->data.total_size += n;
  }
  trendrank::statistics_and_p_values(*state);
  EXPECT_GT(state->trend.statistic, 6.0e7f);
  EXPECT_EQ(state->trend.p_at_least, 0.0f);
  EXPECT_EQ(state->trend.p_above, 0.0f);
}

TEST(StatisticsAndPValues, TiedStatisticsCountAtOrAboveOnly) {
  // (1,2,3),(4,5): the departure statistic is 0 and every arrangement is at
  // least 0, so the share at or above is 0.9999 while the share above counts only the decreasing
  // ones.
  auto state = state_with({{1, 2, 3}, {4, 5}});
  trendrank::statistics_and_p_values(*state);
  EXPECT_EQ(state->trend.statistic, 7.5f);
  EXPECT_EQ(state->trend.normalized, 3.0f);
  EXPECT_EQ(state->departure.p_at_least, 0.9999f);
  EXPECT_LT(state->departure.p_above, 0.9999f);
  EXPECT_GT(state->departure.p_above, 0.0f);
  // The first permutation draws come from the seed: 2 per repetition.
  common::UniformGenerator g;
  for (int i = 0; i < 2 * 9999; ++i) g.next();
  EXPECT_EQ(state->permutation_generator.state(), g.state());
}

}  // namespace
