// Group means (each observation divided by the size before it is added) and
// the pooled residuals (x - mean) / sqrt(1 - 1/n), rounded once to single.
// Expected bit patterns were computed separately with IEEE double arithmetic
// and a single rounding at the stores.
#include "common/residuals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "support/floats.h"
#include "support/groups.h"

namespace {

using testsupport::bits;
using testsupport::make_groups;

struct Result {
  float xmean[common::kMaxGroups];
  std::vector<float> z;
};

Result compute(const common::GroupData& d) {
  Result r;
  std::vector<float> z(common::kMaxResiduals, 12345.0f);
  common::group_means(d, r.xmean);
  int32_t k = common::pooled_residuals(d, r.xmean, z.data());
  r.z.assign(z.begin(), z.begin() + k);
  return r;
}

TEST(Residuals, WorkedExampleTwoGroupsOfThree) {
  auto d = make_groups({{1, 2, 3}, {4, 6, 8}});
  Result r = compute(*d);
  EXPECT_EQ(r.xmean[0], 2.0f);
  EXPECT_EQ(r.xmean[1], 6.0f);
  const uint32_t expected[] = {0xbf9cc470u, 0x00000000u, 0x3f9cc470u,   // -1.2247448, 0, 1.2247448
                               0xc01cc470u, 0x00000000u, 0x401cc470u};  // -2.4494896, 0, 2.4494896
  ASSERT_EQ(r.z.size(), 6u);
  for (size_t k = 0; k < 6; ++k) EXPECT_EQ(bits(r.z[k]), expected[k]) << k;
}

TEST(Residuals, MeanDividesEachObservationBeforeAdding) {
  // 6.7 + 0.9 + 1.2: the sum of the quotients stores 2.9333332 (403bbbbb);
  // the sum divided once would store 2.9333334 (403bbbbc).
  auto d = make_groups({{6.7f, 0.9f, 1.2f}});
  Result r = compute(*d);
  EXPECT_EQ(bits(r.xmean[0]), 0x403bbbbbu);
  // 1, 2, 4: 1/3 + 2/3 + 4/3 in double, stored single.
  auto e = make_groups({{1, 2, 4}});
  Result s = compute(*e);
  EXPECT_EQ(bits(s.xmean[0]), 0x40155555u);
}

TEST(Residuals, PoolingOrderAndUnusualSizes) {
  struct Case {
    const char* name;
    std::vector<int32_t> sizes;
    std::vector<std::vector<float>> obs;
    size_t count;              // residuals written
    std::vector<float> means;  // per group
  };
  const Case cases[] = {
      {"sizes-2-and-3", {2, 3}, {{1, 3}, {0, 3, 6}}, 5, {2, 3}},
      {"size-zero-skipped", {2, 0, 2}, {{1, 3}, {}, {5, 7}}, 4, {2, 0, 6}},
      {"negative-size-skipped", {-4, 2}, {{}, {10, 20}}, 2, {0, 15}},
      {"no-groups", {}, {}, 0, {}},
  };
  for (const Case& t : cases) {
    auto d = std::make_unique<common::GroupData>();
    d->group_count = static_cast<int32_t>(t.sizes.size());
    for (size_t i = 0; i < t.sizes.size(); ++i) {
      d->sizes[i] = t.sizes[i];
      for (size_t j = 0; j < t.obs[i].size(); ++j) d->observations[i][j] = t.obs[i][j];
    }
    Result r = compute(*d);
    EXPECT_EQ(r.z.size(), t.count) << t.name;
    for (size_t i = 0; i < t.means.size(); ++i) EXPECT_EQ(r.xmean[i], t.means[i]) << t.name;
    for (size_t i = t.means.size(); i < common::kMaxGroups; ++i) EXPECT_EQ(r.xmean[i], 0.0f);
  }
  // Group order, input order within a group: c = sqrt(1/2) for n = 2 and
  // sqrt(2/3) for n = 3.
  auto d = make_groups({{1, 3}, {0, 3, 6}});
  Result r = compute(*d);
  const float c2 = static_cast<float>(std::sqrt(0.5));
  const float c3 = static_cast<float>(std::sqrt(1.0 - 1.0 / 3.0));
  EXPECT_EQ(r.z[0], static_cast<float>(-1.0 / c2));
  EXPECT_EQ(r.z[1], static_cast<float>(1.0 / c2));
  EXPECT_EQ(r.z[2], static_cast<float>(-3.0 / c3));
  EXPECT_EQ(r.z[3], 0.0f);
  EXPECT_EQ(r.z[4], static_cast<float>(3.0 / c3));
}

TEST(Residuals, GroupOfOneGivesInvalidOperationNaN) {
  auto d = make_groups({{1, 2}, {7.5f}, {4, 6}});
  Result r = compute(*d);
  EXPECT_EQ(r.xmean[1], 7.5f);
  ASSERT_EQ(r.z.size(), 5u);
  EXPECT_EQ(bits(r.z[2]), 0xFFC00000u);  // 0/0: the NaN with the sign bit set
  EXPECT_FALSE(r.z[1] != r.z[1]);
  EXPECT_FALSE(r.z[3] != r.z[3]);
}

TEST(Residuals, ConstantGroupGivesZeros) {
  auto d = make_groups({{2.5f, 2.5f, 2.5f, 2.5f}});
  Result r = compute(*d);
  for (float z : r.z) EXPECT_EQ(bits(z), 0u);
}

}  // namespace
