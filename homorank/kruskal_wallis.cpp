// The Kruskal-Wallis test of equal group locations. The n observations are
// pooled in group order and given mid-ranks (ties share the average of the
// ranks they occupy). TR weighs each group's squared distance of its mean rank
// from (n+1)/2 by its size; H corrects TR for ties by dividing by the spread of
// the ranks about (n+1)/2 and multiplying by n-1. The P value comes from the
// chi-square law with one degree of freedom fewer than there are groups when
// every group has 30 or more observations, otherwise from 9999 rearrangements
// of the ranks, each TR compared with the observed one to four decimals.
#include <cstdint>

#include "common/chi_square_tail.h"
#include "common/mid_ranks.h"
#include "common/randomization.h"
#include "homorank/state.h"

namespace homorank {

void test_homogeneity(State& state) {
  const common::GroupData& data = state.data;
  const int32_t n = data.total_size;
  HomogeneityTest& test = state.test;

  float pooled[kLargestTotal] = {};
  common::pool_observations(data, pooled);
  common::mid_ranks(pooled, state.ranks, n);

  test.statistic = kruskal_wallis_statistic(data, state.ranks, n, test.mean_ranks);
  test.normalized = kruskal_wallis_normalized(state.ranks, n, test.statistic);

  if (common::all_groups_large(data)) {
    const float p = kruskal_wallis_chi_square_p(data.group_count, test.normalized);
    test.p.at_least = p;
    test.p.above = p;
  } else {
    test.p = kruskal_wallis_permutation_p(data, state.ranks, n, test.statistic, state.generator);
  }
}

float kruskal_wallis_statistic(const common::GroupData& data, const float* ranks, int32_t n,
                               float* mean_ranks) {
  float statistic = 0.0f;
  const double center = static_cast<double>(n + 1) / 2.0;
  int32_t pos = 0;
  for (int i = 0; i < data.held_group_count(); ++i) {
    const int32_t size = data.sizes[i];
    float rank_total = 0.0f;
    if (size > 0) {
      rank_total = static_cast<float>(common::rank_sum(ranks + pos, size));  // exact in any order
      pos += size;
    }
    // TR takes the unrounded quotient; the printed mean rank is stored in single.
    const double mean_rank = static_cast<double>(rank_total) / static_cast<double>(size);
    mean_ranks[i] = static_cast<float>(mean_rank);
    const double dev = mean_rank - center;
    statistic = static_cast<float>(static_cast<double>(statistic) +
                                   static_cast<double>(size) * (dev * dev));
  }
  return statistic;
}

float kruskal_wallis_normalized(const float* ranks, int32_t n, float statistic) {
  const double center = static_cast<double>(n + 1) / 2.0;
  double spread = 0.0;
  for (int32_t a = 0; a < n; ++a) {
    const double dev = static_cast<double>(ranks[a]) - center;
    spread += dev * dev;
  }
  return static_cast<float>((static_cast<double>(statistic) * static_cast<double>(n - 1)) / spread);
}

float kruskal_wallis_chi_square_p(int32_t group_count, float normalized) {
  return common::chi_square_upper_tail(group_count - 1, normalized);
}

PValues kruskal_wallis_permutation_p(const common::GroupData& data, const float* ranks, int32_t n,
                                     float observed, common::UniformGenerator& generator) {
  // Each round shuffles the positions after the first group from the whole
  // vector, continuing from the previous round's order (never restored).
  float shuffled[kLargestTotal] = {};
  for (int32_t a = 0; a < n; ++a) shuffled[a] = ranks[a];
  float unused_mean_ranks[common::kMaxGroups] = {};

  common::TailCounter tail(observed);
  const int32_t moved = n - data.sizes[0];
  for (int round = 0; round < common::kRandomRepeats; ++round) {
    generator.shuffle(shuffled, n, moved);
    tail.add(kruskal_wallis_statistic(data, shuffled, n, unused_mean_ranks));
  }
  PValues p;
  p.at_least = tail.share_at_least();
  p.above = tail.share_above();
  return p;
}

}  // namespace homorank
