// The two tests on the ranks: the observations are pooled and given mid-ranks,
// the observed sums and normalized statistics are formed, then P values from
// 9999 repetitions. When every group has at least 30 observations the limiting
// law is simulated: independent normal deviates with variance 1/p(i), p(i)
// being group i's share of the total size, fitted isotonically with the
// weights p(i). Otherwise the ranks after the first group are rearranged at
// random.
#include <cmath>

#include "common/mid_ranks.h"
#include "common/randomization.h"
#include "common/uniform_generator.h"
#include "trendrank/state.h"

namespace trendrank {

namespace {

// Simulated statistics of both tests, each counted when at least the observed
// normalized statistic (unrounded; a NaN observed value counts nothing).
void simulate_limiting_law(State& state) {
  const int32_t k = state.data.held_group_count();
  float shares[common::kMaxGroups + 1] = {};
  float root_shares[common::kMaxGroups + 1] = {};
  float deviates[common::kMaxGroups + 1] = {};
  float fitted[common::kMaxGroups + 1] = {};
  const double ntot = static_cast<double>(state.data.total_size);
  for (int32_t i = 0; i < k; ++i) {
    shares[i] = static_cast<float>(static_cast<double>(state.data.sizes[i]) / ntot);
  }
  if (k >= 1 && k - 2 * (k / 2) == 1) shares[k] = shares[k - 1];  // the spare slot of an odd count
  const int32_t pairs = (k + 1) / 2;
  for (int32_t i = 0; i < 2 * pairs; ++i) {
    root_shares[i] = static_cast<float>(std::sqrt(static_cast<double>(shares[i])));
  }
  const double observed_trend = static_cast<double>(state.trend.normalized);
  const double observed_departure = static_cast<double>(state.departure.normalized);
  int32_t trend_count = 0;
  int32_t departure_count = 0;
  for (int rep = 0; rep < common::kRandomRepeats; ++rep) {
    for (int32_t h = 0; h < pairs; ++h) {
      const NormalPair z = normal_deviate_pair(state.deviate_generator);
      deviates[2 * h] = static_cast<float>(static_cast<double>(z.first) /
                                           static_cast<double>(root_shares[2 * h]));
      deviates[2 * h + 1] = static_cast<float>(static_cast<double>(z.second) /
                                               static_cast<double>(root_shares[2 * h + 1]));
    }
    isotonic_fit(k, deviates, shares, fitted);
    double mean = 0.0;
    for (int32_t i = 0; i < k; ++i) {
      mean += static_cast<double>(shares[i]) * static_cast<double>(deviates[i]);
    }
    double trend = 0.0;
    double departure = 0.0;
    for (int32_t i = 0; i < k; ++i) {
      const double df = static_cast<double>(fitted[i]) - mean;
      const double dy = static_cast<double>(deviates[i]) - static_cast<double>(fitted[i]);
      trend += static_cast<double>(shares[i]) * (df * df);
      departure += static_cast<double>(shares[i]) * (dy * dy);
    }
    if (trend >= observed_trend) ++trend_count;
    if (departure >= observed_departure) ++departure_count;
  }
  state.trend.p_at_least = common::share_of_repeats(trend_count);
  state.trend.p_above = state.trend.p_at_least;
  state.departure.p_at_least = common::share_of_repeats(departure_count);
  state.departure.p_above = state.departure.p_at_least;
}

// Rearranged sums compared with the observed ones after rounding to four
// decimals; the ranks are never restored between repetitions.
void rearrange_ranks(State& state) {
  const int32_t ntot = state.data.total_size;
  const int32_t moved = ntot - state.data.sizes[0];  // 0 <= moved < ntot: every size is at least 1
  common::TailCounter trend(state.trend.statistic);
  common::TailCounter departure(state.departure.statistic);
  for (int rep = 0; rep < common::kRandomRepeats; ++rep) {
    state.permutation_generator.shuffle(state.ranks, ntot, moved);
    const TrendAndDeparture sums =
        arrangement_sums(state.data, state.group_weights, state.ranks, ntot).sums;
    trend.add(sums.trend);
    departure.add(sums.departure);
  }
  state.trend.p_at_least = trend.share_at_least();
  state.trend.p_above = trend.share_above();
  state.departure.p_at_least = departure.share_at_least();
  state.departure.p_above = departure.share_above();
}

}  // namespace

void statistics_and_p_values(State& state) {
  const int32_t k = state.data.held_group_count();
  for (int32_t i = 0; i < k; ++i) state.group_weights[i] = static_cast<float>(state.data.sizes[i]);
  common::pool_observations(state.data, state.pooled);
  const int32_t ntot = state.data.total_size;
  common::mid_ranks(state.pooled, state.ranks, ntot);
  const TrendAndDeparture sums =
      arrangement_sums(state.data, state.group_weights, state.ranks, ntot).sums;
  state.trend.statistic = sums.trend;
  state.departure.statistic = sums.departure;
  const TrendAndDeparture normalized = normalized_statistics(state.ranks, ntot, sums);
  state.trend.normalized = normalized.trend;
  state.departure.normalized = normalized.departure;

  if (common::all_groups_large(state.data)) {
    simulate_limiting_law(state);
  } else {
    rearrange_ranks(state);
  }
}

}  // namespace trendrank
