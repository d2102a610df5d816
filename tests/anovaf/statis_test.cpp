// Sums of squares and the F test on the run state: the worked two-group
// example, the odd-size two-stage stores of the grand total, SW and ST (the
// group sums are not split), and the degenerate data sets whose NaN, -0 and
// non-finite results must come out of plain IEEE arithmetic without any fault.
#include "anovaf/statis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "support/floats.h"

namespace {

using Groups = std::vector<std::vector<float>>;

// A state with K groups holding the given observations; the sizes default to
// the counts, and `sizes` overrides them (for empty and negative groups).
std::unique_ptr<anovaf::State> make(const Groups& groups, std::vector<int32_t> sizes = {}) {
  auto st = std::make_unique<anovaf::State>();
  st->grp.ngroup = static_cast<int32_t>(groups.size());
  int64_t total = 0;
  for (size_t i = 0; i < groups.size(); ++i) {
    for (size_t j = 0; j < groups[i].size(); ++j) st->grp.xobs[i][j] = groups[i][j];
    st->grp.nsize[i] = sizes.empty() ? static_cast<int32_t>(groups[i].size()) : sizes[i];
    total += st->grp.nsize[i];
  }
  st->grp.ntotal = static_cast<int32_t>(total);
  anovaf::statis_(*st);
  anovaf::test_(*st);
  return st;
}

TEST(AnovafStatis, TwoGroupsWorkedExample) {
  auto st = make({{1, 2, 3}, {4, 5, 6}});
  EXPECT_EQ(st->xmean[0], 2.0f);
  EXPECT_EQ(st->xmean[1], 5.0f);
  EXPECT_EQ(st->gmean, 3.5f);
  EXPECT_EQ(st->sw, 4.0f);
  EXPECT_EQ(st->st, 17.5f);
  EXPECT_EQ(st->msb, 13.5f);
  EXPECT_EQ(st->fstat, 13.5f);
  EXPECT_EQ(st->pvalue, 0.021311618f);
  EXPECT_EQ(anovaf::df_between(*st), 1);
  EXPECT_EQ(anovaf::df_within(*st), 4);
}

TEST(AnovafStatis, OddGroupTotalStoredBeforeLastObservation) {
  // Group (1, 2^-24, 2^-24): the grand total is stored as 1 + 2^-24 -> 1.0
  // (tie to even) before the last 2^-24 is added (again 1.0), while the group
  // sum runs in double to 1 + 2^-23 over the whole group.
  const float tiny = std::ldexp(1.0f, -24);
  auto st = make({{1.0f, tiny, tiny}});
  EXPECT_EQ(st->gmean, static_cast<float>(1.0 / 3.0));
  EXPECT_EQ(st->xmean[0], static_cast<float>((1.0 + std::ldexp(1.0, -23)) / 3.0));
}

TEST(AnovafStatis, OddGroupSquaresAddedToStoredSums) {
  // Group 1 (0.5, 1.5) gives SW = ST = 0.5 with both means 1. Group 2
  // (1 + 2^-13, 1, 1 - 2^-13) adds the squares 2^-26, 0, 2^-26: each lands on
  // a stored 0.5 and ties back to 0.5; one double sum would give 0.5 + 2^-25.
  const float d = std::ldexp(1.0f, -13);
  auto st = make({{0.5f, 1.5f}, {1.0f + d, 1.0f, 1.0f - d}});
  EXPECT_EQ(st->gmean, 1.0f);
  EXPECT_EQ(st->xmean[1], 1.0f);
  EXPECT_EQ(st->sw, 0.5f);
  EXPECT_EQ(st->st, 0.5f);
  EXPECT_EQ(st->fstat, 0.0f);
  EXPECT_EQ(st->pvalue, 1.0f);
}

TEST(AnovafStatis, DecimalDataBitForBit) {
  // Expected bits from a separate model of the stores: SW and ST in single
  // after each group's even part, an odd group's last squares added to the
  // stored values; the F divisor SW / (NT - K) kept in double (rounded to
  // single it gives one unit more in the last place of F for both sets).
  // Summing an odd group's last squares into the unrounded pair instead gives
  // ST = 3695.05054 for the three groups.
  struct Case {
    const char* name;
    Groups groups;
    uint32_t sw, st, fstat;
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
  };
  for (const Case& tc : cases) {
    auto st = make(tc.groups);
    EXPECT_EQ(testsupport::bits(st->sw), tc.sw) << tc.name;
    EXPECT_EQ(testsupport::bits(st->st), tc.st) << tc.name;
    EXPECT_EQ(testsupport::bits(st->fstat), tc.fstat) << tc.name;
  }
}

TEST(AnovafStatis, DegenerateDataKeepIeeeResults) {
  // A group of size 0: its mean is 0/0 (a NaN with the sign bit set).
  auto empty = make({{1, 2}, {}, {3, 4}});
  EXPECT_TRUE(std::isnan(empty->xmean[1]));
  EXPECT_TRUE(std::signbit(empty->xmean[1]));
  EXPECT_EQ(empty->gmean, 2.5f);
  EXPECT_EQ(empty->sw, 1.0f);
  EXPECT_EQ(empty->st, 5.0f);

  // A negative size: the mean is 0 / -2 = -0; the total counts it as typed.
  auto negative = make({{1, 2, 3}, {}}, {3, -2});
  EXPECT_EQ(negative->xmean[1], 0.0f);
  EXPECT_TRUE(std::signbit(negative->xmean[1]));
  EXPECT_EQ(negative->grp.ntotal, 1);
  EXPECT_EQ(negative->gmean, 6.0f);

  // One observation per group: SW = 0, NT - K = 0, so F, P are NaN.
  auto single = make({{1}, {2}, {4}});
  EXPECT_EQ(single->sw, 0.0f);
  EXPECT_TRUE(std::isnan(single->fstat));
  EXPECT_TRUE(std::isnan(single->pvalue));

  // All observations equal: SW = ST = 0, F = 0/0.
  auto equal = make({{7, 7}, {7, 7, 7}});
  EXPECT_EQ(equal->sw, 0.0f);
  EXPECT_EQ(equal->st, 0.0f);
  EXPECT_TRUE(std::isnan(equal->fstat));
  EXPECT_TRUE(std::isnan(equal->pvalue));

  // One group: MSB divides by K - 1 = 0; F is not finite, P is NaN.
  auto one = make({{1, 2, 4}});
  EXPECT_FALSE(std::isfinite(one->fstat));
  EXPECT_TRUE(std::isnan(one->pvalue));
}

TEST(AnovafStatis, NonPositiveGroupCountsStayInRange) {
  // K <= 0 reads nothing: NT = 0, GM = 0/0, and K - 1, NT - K computed in
  // 64 bits even for the extreme counts; the F tail gets a NaN and stops.
  for (int32_t k : {0, -1, -2147483647, INT32_MIN}) {
    auto st = std::make_unique<anovaf::State>();
    st->grp.ngroup = k;
    anovaf::statis_(*st);
    anovaf::test_(*st);
    EXPECT_EQ(anovaf::df_between(*st), static_cast<int64_t>(k) - 1);
    EXPECT_EQ(anovaf::df_within(*st), -static_cast<int64_t>(k));
    EXPECT_TRUE(std::isnan(st->gmean)) << "K = " << k;
    EXPECT_TRUE(std::isnan(st->fstat)) << "K = " << k;
    EXPECT_TRUE(std::isnan(st->pvalue)) << "K = " << k;
  }
}

}  // namespace
