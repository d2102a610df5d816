// Mid-ranks: ties share the average rank, NaN counts nothing, and the
// first-m entry point ranks a prefix against the whole pooled sample.
#include "common/mid_ranks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

struct RankCase {
  const char* name;
  std::vector<float> p;
  std::vector<float> r;
};

TEST(MidRanks, TiesGetAverageRanks) {
  const std::vector<RankCase> cases = {
      {"one tie", {3, 1, 3, 2}, {3.5f, 1, 3.5f, 2}},
      {"all equal", {5, 5, 5}, {2, 2, 2}},
      {"distinct", {10, -1, 4}, {3, 1, 2}},
      {"two ties of two", {2, 1, 2, 1}, {3.5f, 1.5f, 3.5f, 1.5f}},
      {"single", {7}, {1}},
      {"signed zeros tie", {0.0f, -0.0f, 1}, {1.5f, 1.5f, 3}},
      {"infinities", {INFINITY, -INFINITY, 0}, {3, 1, 2}},
  };
  for (const RankCase& tc : cases) {
    std::vector<float> p = tc.p;
    std::vector<float> r(p.size(), -1.0f);
    common::mid_ranks(p.data(), r.data(), static_cast<int32_t>(p.size()));
    EXPECT_EQ(r, tc.r) << tc.name;
    EXPECT_EQ(p.size(), tc.p.size());
    for (size_t i = 0; i < p.size(); ++i) {
      EXPECT_EQ(std::signbit(p[i]), std::signbit(tc.p[i])) << tc.name << " input changed";
    }
  }
}

TEST(MidRanks, NaNCountsNothing) {
  const float p[3] = {NAN, 1.0f, 2.0f};
  float r[3];
  common::mid_ranks(p, r, 3);
  EXPECT_EQ(r[0], 0.5f);
  EXPECT_EQ(r[1], 1.0f);
  EXPECT_EQ(r[2], 2.0f);
}

TEST(MidRanks, EmptyOrNegativeCountWritesNothing) {
  float r[2] = {9.0f, 9.0f};
  const float p[2] = {1.0f, 2.0f};
  common::mid_ranks(p, r, 0);
  common::mid_ranks(p, r, -4);
  EXPECT_EQ(r[0], 9.0f);
  EXPECT_EQ(r[1], 9.0f);
}

TEST(MidRanks, FirstValuesAgainstWholePool) {
  // Group {1, 2} pooled with {2, 3}: the ranks of the first group are 1 and 2.5.
  const float p[4] = {1, 2, 2, 3};
  float r[4] = {0, 0, -7, -7};
  common::mid_ranks_of_first(p, r, 2, 4);
  EXPECT_EQ(r[0], 1.0f);
  EXPECT_EQ(r[1], 2.5f);
  EXPECT_EQ(r[2], -7.0f);                  // beyond m: untouched
  common::mid_ranks_of_first(p, r, 9, 4);  // m clamped to n
  EXPECT_EQ(r[3], 4.0f);
}

// Four running sums of mid-ranks give the one-by-one sum exactly, for every
// remainder of the count, with the largest ranks of the largest data sets.
TEST(MidRanks, RankSumEqualsSumInOrder) {
  std::mt19937 rng(1000u);
  for (int trial = 0; trial < 2000; ++trial) {
    const int32_t n = static_cast<int32_t>(rng() % (trial % 10 == 0 ? 1001 : 23));
    std::vector<float> r(static_cast<size_t>(n));
    for (float& v : r) v = static_cast<float>(1 + rng() % 2000) / 2.0f;  // 0.5 .. 1000
    double in_order = 0.0;
    for (float v : r) in_order += static_cast<double>(v);
    ASSERT_EQ(common::rank_sum(r.data(), n), in_order) << trial;
  }
  EXPECT_EQ(common::rank_sum(nullptr, 0), 0.0);
  const float r[1] = {3.0f};
  EXPECT_EQ(common::rank_sum(r, -2), 0.0);
}

}  // namespace
