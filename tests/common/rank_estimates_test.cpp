// Hodges-Lehmann effects and centre on the worked two-group cases, one group,
// and extreme values whose differences overflow single precision.
#include "common/rank_estimates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "common/group_data.h"
#include "support/floats.h"
#include "support/groups.h"

namespace {

using testsupport::make_groups;

TEST(RankEstimates, TwoGroups) {
  struct Case {
    const char* name;
    std::unique_ptr<common::GroupData> d;
    std::vector<float> theta;
    float centre;
  };
  Case cases[] = {
      {"(1,2,3),(4,5)", make_groups({{1, 2, 3}, {4, 5}}), {-1.0f, 1.5f}, 3.0f},
      {"(4,5),(1,2,3)", make_groups({{4, 5}, {1, 2, 3}}), {1.5f, -1.0f}, 3.0f},
      {"one group", make_groups({{1, 2, 3, 10}}), {0.0f}, 2.75f},
  };
  for (Case& tc : cases) {
    float theta[10] = {};
    common::rank_effects(*tc.d, theta);
    for (size_t p = 0; p < tc.theta.size(); ++p) EXPECT_EQ(theta[p], tc.theta[p]) << tc.name;
    EXPECT_EQ(common::rank_centre(*tc.d, theta), tc.centre) << tc.name;
  }
}

TEST(RankEstimates, ThreeGroupsWeightedBySize) {
  // Shifts: groups 1 and 2 median(-3, -4, -2, -3) = -3, groups 1 and 3
  // median(-9, -8) = -8.5, groups 2 and 3 median(-6, -5) = -5.5; total_size = 5.
  auto d = make_groups({{1, 2}, {4, 5}, {10}});
  float theta[10] = {};
  common::rank_effects(*d, theta);
  const double t1 = 0.0 + (-3.0 * 2) / 5.0 + (-8.5 * 1) / 5.0;
  const double t2 = (3.0 * 2) / 5.0 + 0.0 + (-5.5 * 1) / 5.0;
  const double t3 = (8.5 * 2) / 5.0 + (5.5 * 2) / 5.0 + 0.0;
  EXPECT_EQ(theta[0], static_cast<float>(t1));
  EXPECT_EQ(theta[1], static_cast<float>(t2));
  EXPECT_EQ(theta[2], static_cast<float>(t3));
}

TEST(RankEstimates, FullSizeAreas) {
  // Ten groups of 100 (0..99 each): every pair gives 10000 differences, 4950
  // below 0, 100 at 0 and 4950 above, so every shift is 0; the centre is the
  // median of 500500 Walsh averages of 0..99 ten times over, symmetric about
  // 49.5 with many averages equal to 49.5 in the middle.
  std::vector<std::vector<float>> groups(10);
  for (auto& g : groups) {
    for (int j = 0; j < 100; ++j) g.push_back(static_cast<float>(j));
  }
  auto d = make_groups(groups);
  float theta[10];
  for (float& t : theta) t = -1.0f;
  common::rank_effects(*d, theta);
  for (int p = 0; p < 10; ++p) EXPECT_EQ(theta[p], 0.0f) << p;
  EXPECT_EQ(common::rank_centre(*d, theta), 49.5f);
}

TEST(RankEstimates, ExtremeValuesGiveNaNWithoutTrouble) {
  // 3e38 - (-3e38) overflows to +inf when stored: the shift of groups 1 and 2
  // is +inf, of groups 1 and 3 -inf, so the effect of group 1 is inf - inf.
  auto d = make_groups({{3e38f, -3e38f}, {-3e38f}, {3e38f}});
  float theta[10] = {};
  common::rank_effects(*d, theta);
  EXPECT_TRUE(std::isnan(theta[0]));
  (void)common::rank_centre(*d, theta);  // ends normally
}

TEST(RankEstimates, NoGroups) {
  auto d = make_groups({});
  d->group_count = -4;
  float theta[10] = {};
  common::rank_effects(*d, theta);
  EXPECT_EQ(common::rank_centre(*d, theta), 0.0f);
}

TEST(GrandMean, RoundsOncePerEvenGroupAndTwicePerOddGroup) {
  common::GroupData d;
  d.group_count = 2;
  d.sizes[0] = 2;
  d.sizes[1] = 3;
  d.total_size = 5;
  d.observations[0][0] = 1;
  d.observations[0][1] = 2;
  d.observations[1][0] = 3;
  d.observations[1][1] = 4;
  d.observations[1][2] = 5;
  EXPECT_EQ(common::grand_mean(d), 3.0f);
  d.group_count = 0;
  EXPECT_EQ(common::grand_mean(d), 0.0f);
  // A size-1 group: one term added to the stored value.
  d.group_count = 1;
  d.sizes[0] = 1;
  d.total_size = 3;
  EXPECT_EQ(common::grand_mean(d), static_cast<float>(1.0 / 3.0));

  // Decimal terms x / 7: (17.3, 7.8, 1.5) stores after 17.3/7 + 7.8/7 and
  // again after 1.5/7, then (18.8, 1.2, 8.9, 2.0) is summed from that value in
  // double and stored once: 8.21428 (bits from a separate model). A store after
  // every term, or one double sum over all terms, ends one unit higher
  // (0x41036DB7, printed 8.21429).
  auto decimal = testsupport::make_groups({{17.3f, 7.8f, 1.5f}, {18.8f, 1.2f, 8.9f, 2.0f}});
  EXPECT_EQ(testsupport::bits(common::grand_mean(*decimal)), 0x41036DB6u);
}

}  // namespace
