// Means, sums of squares and the F test on the run state: the worked two-group
// example, the odd-size two-stage stores of the grand total and of the within
// and total sums of squares (the group sums are not split), and the degenerate
// data sets whose NaN, -0 and non-finite results must come out of plain IEEE
// arithmetic without any fault.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "anovaf/state.h"
#include "support/floats.h"

namespace {

using Groups = std::vector<std::vector<float>>;

// The means, the sums of squares, F and its P value of a state, as the run
// computes them.
void compute_f_test(anovaf::State& state) {
  anovaf::compute_group_and_grand_means(state);
  anovaf::compute_sums_of_squares(state);
  state.p_value =
      anovaf::f_upper_tail(anovaf::between_groups_degrees_of_freedom(state.data),
                           anovaf::within_groups_degrees_of_freedom(state.data), state.f_statistic);
}

// A state with groups holding the given observations, analysed; the sizes
// default to the counts, and `sizes` overrides them (for empty and negative
// groups).
std::unique_ptr<anovaf::State> analysed(const Groups& groups, std::vector<int32_t> sizes = {}) {
  auto state = std::make_unique<anovaf::State>();
  state->data.group_count = static_cast<int32_t>(groups.size());
  int64_t total = 0;
  for (size_t i = 0; i < groups.size(); ++i) {
    for (size_t j = 0; j < groups[i].size(); ++j) state->data.observations[i][j] = groups[i][j];
    state->data.sizes[i] = sizes.empty() ? static_cast<int32_t>(groups[i].size()) : sizes[i];
    total += state->data.sizes[i];
  }
  state->data.total_size = static_cast<int32_t>(total);
  compute_f_test(*state);
  return state;
}

TEST(SumsOfSquares, TwoGroupsWorkedExample) {
  auto state = analysed({{1, 2, 3}, {4, 5, 6}});
  EXPECT_EQ(state->group_means[0], 2.0f);
  EXPECT_EQ(state->group_means[1], 5.0f);
  EXPECT_EQ(state->grand_mean, 3.5f);
  EXPECT_EQ(state->within_sum_of_squares, 4.0f);
  EXPECT_EQ(state->total_sum_of_squares, 17.5f);
  EXPECT_EQ(state->between_mean_square, 13.5f);
  EXPECT_EQ(state->f_statistic, 13.5f);
  EXPECT_EQ(state->p_value, 0.021311618f);
  EXPECT_EQ(anovaf::between_groups_degrees_of_freedom(state->data), 1);
  EXPECT_EQ(anovaf::within_groups_degrees_of_freedom(state->data), 4);
}

TEST(SumsOfSquares, OddGroupTotalStoredBeforeLastObservation) {
  // Group (1, 2^-24, 2^-24): the grand total is stored as 1 + 2^-24 -> 1.0
  // (tie to even) before the last 2^-24 is added (again 1.0), while the group
  // sum runs in double to 1 + 2^-23 over the whole group.
  const float tiny = std::ldexp(1.0f, -24);
  auto state = analysed({{1.0f, tiny, tiny}});
  EXPECT_EQ(state->grand_mean, static_cast<float>(1.0 / 3.0));
  EXPECT_EQ(state->group_means[0], static_cast<float>((1.0 + std::ldexp(1.0, -23)) / 3.0));
}

TEST(SumsOfSquares, OddGroupSquaresAddedToStoredSums) {
  // Group 1 (0.5, 1.5) gives within and total sums of 0.5 with both means 1.
  // Group 2 (1 + 2^-13, 1, 1 - 2^-13) adds the squares 2^-26, 0, 2^-26: each
  // lands on a stored 0.5 and ties back to 0.5; one double sum would give
  // 0.5 + 2^-25.
  const float d = std::ldexp(1.0f, -13);
  auto state = analysed({{0.5f, 1.5f}, {1.0f + d, 1.0f, 1.0f - d}});
  EXPECT_EQ(state->grand_mean, 1.0f);
  EXPECT_EQ(state->group_means[1], 1.0f);
  EXPECT_EQ(state->within_sum_of_squares, 0.5f);
  EXPECT_EQ(state->total_sum_of_squares, 0.5f);
  EXPECT_EQ(state->f_statistic, 0.0f);
  EXPECT_EQ(state->p_value, 1.0f);
}

TEST(SumsOfSquares, DecimalDataBitForBit) {
  // Expected bits from a separate model of the stores: the within and total
  // sums in single after each group's even part, an odd group's last squares
  // added to the stored values; the F divisor, the within mean square, kept in
  // double (rounded to single it gives one unit more in the last place of F
  // for every set).
  // Summing an odd group's last squares into the unrounded pair instead gives
  // a total of 3695.05054 for the three groups, and moves the within sum of
  // the second two-and-three set (254.06500, total 387.62802, between
  // 133.56302; F follows from those two).
  // With four groups the between mean square divides total - within in double
  // by 3 (305.455023 / 3, stored 101.818344); dividing the between sum as
  // stored (305.455017) gives 101.818336 and F 4072.73364. With two or three
  // groups the division by 1 or 2 is exact and both ways agree.
  struct Case {
    const char* name;
    Groups groups;
    uint32_t within, total, f_statistic;
  };
  const Case cases[] = {
      {"sizes 10 11 9",
       {{36.19f, 37.08f, 47.91f, 44.48f, 53.52f, 37.45f, 66.08f, 50.61f, 58.74f, 63.59f},
        {25.48f, 45.78f, 56.39f, 42.44f, 63.90f, 49.85f, 53.64f, 50.93f, 39.20f, 69.96f, 50.64f},
        {30.38f, 53.68f, 32.57f, 67.90f, 39.97f, 51.78f, 48.22f, 55.87f, 43.39f}},
       0x456434FCu,   // 3651.3115234375
       0x4566F0D0u,   // 3695.05078125
       0x3E259934u},  // 0.16172
      {"sizes 2 3",
       {{2.9f, 3.8f}, {9.6f, 8.7f, 9.3f}},
       0x3F53333Au,   // 0.82500
       0x42279169u,   // 41.89200
       0x431555A0u},  // 149.33447
      {"sizes 2 3, within moved by the last square",
       {{0.9f, 4.0f}, {10.8f, 3.1f, 25.1f}},
       0x437E10A4u,   // 254.06500
       0x43C1D063u,   // 387.62802
       0x3FC9DED1u},  // 1.57711
      {"sizes 2 2 2 2, between mean square from the unrounded difference",
       {{19.2f, 19.1f}, {16.1f, 15.8f}, {3.9f, 4.2f}, {7.1f, 7.2f}},
       0x3DCCCCCCu,   // 0.10000
       0x4398C70Bu,   // 305.55502
       0x457E8BBEu},  // 4072.73389
  };
  for (const Case& tc : cases) {
    auto state = analysed(tc.groups);
    EXPECT_EQ(testsupport::bits(state->within_sum_of_squares), tc.within) << tc.name;
    EXPECT_EQ(testsupport::bits(state->total_sum_of_squares), tc.total) << tc.name;
    EXPECT_EQ(testsupport::bits(state->f_statistic), tc.f_statistic) << tc.name;
  }
}

TEST(SumsOfSquares, DegenerateDataKeepIeeeResults) {
  // A group of size 0: its mean is 0/0 (a NaN with the sign bit set).
  auto empty = analysed({{1, 2}, {}, {3, 4}});
  EXPECT_TRUE(std::isnan(empty->group_means[1]));
  EXPECT_TRUE(std::signbit(empty->group_means[1]));
  EXPECT_EQ(empty->grand_mean, 2.5f);
  EXPECT_EQ(empty->within_sum_of_squares, 1.0f);
  EXPECT_EQ(empty->total_sum_of_squares, 5.0f);

  // A negative size: the mean is 0 / -2 = -0; the total counts it as typed.
  auto negative = analysed({{1, 2, 3}, {}}, {3, -2});
  EXPECT_EQ(negative->group_means[1], 0.0f);
  EXPECT_TRUE(std::signbit(negative->group_means[1]));
  EXPECT_EQ(negative->data.total_size, 1);
  EXPECT_EQ(negative->grand_mean, 6.0f);

  // One observation per group: the within sum is 0, total_size - group_count = 0,
  // so F, P are NaN.
  auto single = analysed({{1}, {2}, {4}});
  EXPECT_EQ(single->within_sum_of_squares, 0.0f);
  EXPECT_TRUE(std::isnan(single->f_statistic));
  EXPECT_TRUE(std::isnan(single->p_value));

  // All observations equal: both sums are 0, F = 0/0.
  auto equal = analysed({{7, 7}, {7, 7, 7}});
  EXPECT_EQ(equal->within_sum_of_squares, 0.0f);
  EXPECT_EQ(equal->total_sum_of_squares, 0.0f);
  EXPECT_TRUE(std::isnan(equal->f_statistic));
  EXPECT_TRUE(std::isnan(equal->p_value));

  // One group: the between mean square divides by group_count - 1 = 0; F is not
  // finite, P is NaN.
  auto one = analysed({{1, 2, 4}});
  EXPECT_FALSE(std::isfinite(one->f_statistic));
  EXPECT_TRUE(std::isnan(one->p_value));
}

TEST(SumsOfSquares, NonPositiveGroupCountsStayInRange) {
  // group_count <= 0 reads nothing: total_size = 0, the grand mean is 0/0, and
  // group_count - 1, total_size - group_count are computed in 64 bits even for
  // the extreme counts; the F tail gets a NaN and stops.
  for (int32_t k : {0, -1, -2147483647, INT32_MIN}) {
    auto state = std::make_unique<anovaf::State>();
    state->data.group_count = k;
    compute_f_test(*state);
    EXPECT_EQ(anovaf::between_groups_degrees_of_freedom(state->data), static_cast<int64_t>(k) - 1);
    EXPECT_EQ(anovaf::within_groups_degrees_of_freedom(state->data), -static_cast<int64_t>(k));
    EXPECT_TRUE(std::isnan(state->grand_mean)) << "group_count = " << k;
    EXPECT_TRUE(std::isnan(state->f_statistic)) << "group_count = " << k;
    EXPECT_TRUE(std::isnan(state->p_value)) << "group_count = " << k;
  }
}

}  // namespace
