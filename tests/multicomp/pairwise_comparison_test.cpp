// Elements of one pair's comparison: the mid-ranks of the first group within
// the pair, and the sorted differences.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "common/mid_ranks.h"
#include "multicomp/state.h"

namespace {

TEST(MidRanksOfFirst, FirstGroupOfPair) {
  struct Case {
    std::vector<float> z;
    int n1;
    std::vector<float> ranks;
  };
  const Case cases[] = {
      {{1, 2, 3, 4, 5, 6}, 3, {1, 2, 3}},
      {{1, 2, 2, 3}, 2, {1, 2.5f}},
      {{5, 5, 5, 5}, 2, {2.5f, 2.5f}},
      {{4, 5, 6, 1, 2, 3}, 3, {4, 5, 6}},
  };
  for (const Case& c : cases) {
    std::vector<float> r(c.n1, -1.0f);
    common::mid_ranks_of_first(c.z.data(), r.data(), c.n1, static_cast<int32_t>(c.z.size()));
    EXPECT_EQ(r, c.ranks);
  }
}

TEST(SortedPairDifferences, SortedAndRoundedOnce) {
  float pair[] = {1, 2, 3, 4, 5, 6};
  float d[9];
  multicomp::sorted_pair_differences(pair, 3, 3, d);
  const std::vector<float> expected = {-5, -4, -4, -3, -3, -3, -2, -2, -1};
  EXPECT_EQ(std::vector<float>(d, d + 9), expected);

  // Formed in double and rounded once: 16777217 - 1 is not 16777216 - 1.
  pair[0] = 16777216.0f;
  pair[1] = 0.5f;
  multicomp::sorted_pair_differences(pair, 1, 1, d);
  EXPECT_EQ(d[0], 16777216.0f);  // 16777215.5 rounds to even
}

}  // namespace
