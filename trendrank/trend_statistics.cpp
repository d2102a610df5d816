// The statistics of one arrangement of ranks. Each group's mean rank is its
// rank sum (exact in double, whatever the order of addition) over its size;
// the mean ranks are fitted isotonically with the group sizes as weights, and
// the trend sum (over the groups, size * (fit - c)^2) and the departure sum
// (size * (mean - fit)^2), c = (n+1)/2, are carried in double and stored once
// in single. The normalized statistics multiply both by n - 1 and divide by
// the sum of (r - c)^2 over the ranks; with all ranks tied that divisor is 0
// and the results are NaN.
#include "common/mid_ranks.h"
#include "trendrank/state.h"

namespace trendrank {

ArrangementFit arrangement_sums(const common::GroupData& data, const float* weights, const float* r,
                                int32_t n) {
  ArrangementFit a;
  const int32_t k = data.held_group_count();
  int32_t pos = 0;
  for (int32_t i = 0; i < k; ++i) {
    const int32_t ni = data.held_size(i);
    const double sum = common::rank_sum(r + pos, ni);
    pos += ni;
    a.mean_ranks[i] = static_cast<float>(sum / static_cast<double>(data.sizes[i]));
  }
  isotonic_fit(k, a.mean_ranks, weights, a.fitted);
  const double c = (static_cast<double>(n) + 1.0) / 2.0;
  double trend = 0.0;
  double departure = 0.0;
  for (int32_t i = 0; i < k; ++i) {
    const double ni = static_cast<double>(data.sizes[i]);
    const double dt = static_cast<double>(a.fitted[i]) - c;
    const double dd = static_cast<double>(a.mean_ranks[i]) - static_cast<double>(a.fitted[i]);
    trend += ni * (dt * dt);
    departure += ni * (dd * dd);
  }
  a.sums.trend = static_cast<float>(trend);
  a.sums.departure = static_cast<float>(departure);
  return a;
}

TrendAndDeparture normalized_statistics(const float* r, int32_t n, TrendAndDeparture sums) {
  const double c = (static_cast<double>(n) + 1.0) / 2.0;
  double d = 0.0;
  for (int32_t a = 0; a < n; ++a) {
    const double x = static_cast<double>(r[a]) - c;
    d += x * x;
  }
  const double nm1 = static_cast<double>(n) - 1.0;
  TrendAndDeparture t;
  t.trend = static_cast<float>((static_cast<double>(sums.trend) * nm1) / d);
  t.departure = static_cast<float>((static_cast<double>(sums.departure) * nm1) / d);
  return t;
}

}  // namespace trendrank
