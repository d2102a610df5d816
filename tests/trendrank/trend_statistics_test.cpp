// The sums of one arrangement of ranks and their normalization: worked rank
// examples, and the NaN of all-tied ranks.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "trendrank/test_helpers.h"

namespace {

using trendrank_test::state_with;

TEST(ArrangementSums, TwoGroupsOfTwo) {
  struct Case {
    const char* name;
    std::vector<float> ranks;
    float mean0, mean1, fitted0, fitted1, trend, departure;
  };
  const Case cases[] = {
      {"increasing", {1, 2, 3, 4}, 1.5f, 3.5f, 1.5f, 3.5f, 4.0f, 0.0f},
      {"decreasing", {3, 4, 1, 2}, 3.5f, 1.5f, 2.5f, 2.5f, 0.0f, 4.0f},
  };
  for (const Case& tc : cases) {
    auto state = state_with({{0, 0}, {0, 0}});
    const float weights[2] = {2.0f, 2.0f};
    const trendrank::ArrangementFit a =
        trendrank::arrangement_sums(state->data, weights, tc.ranks.data(), 4);
    EXPECT_EQ(a.mean_ranks[0], tc.mean0) << tc.name;
    EXPECT_EQ(a.mean_ranks[1], tc.mean1) << tc.name;
    EXPECT_EQ(a.fitted[0], tc.fitted0) << tc.name;
    EXPECT_EQ(a.fitted[1], tc.fitted1) << tc.name;
    EXPECT_EQ(a.sums.trend, tc.trend) << tc.name;
    EXPECT_EQ(a.sums.departure, tc.departure) << tc.name;
  }
}

TEST(NormalizedStatistics, ScaledByTheRankSpread) {
  const float r[4] = {1, 2, 3, 4};  // rank spread 5
  trendrank::TrendAndDeparture t = trendrank::normalized_statistics(r, 4, {4.0f, 0.0f});
  EXPECT_EQ(t.trend, 2.4f);
  EXPECT_EQ(t.departure, 0.0f);
  const float tied[3] = {2, 2, 2};  // rank spread 0: 0/0
  t = trendrank::normalized_statistics(tied, 3, {0.0f, 0.0f});
  EXPECT_TRUE(std::isnan(t.trend));
  EXPECT_TRUE(std::signbit(t.trend));  // the NaN of an invalid operation
  EXPECT_TRUE(std::isnan(t.departure));
}

}  // namespace
