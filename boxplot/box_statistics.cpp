// Box statistics of one group: the observations sorted ascending in place by
// the shared selection sort, the quartiles and the median at positions
// (n+1)/4, (n+1)/2 and 3(n+1)/4 by linear interpolation, the minimum and the
// maximum as the first and the last sorted values.
//
// Interpolation at position h = (n+1)p: k = whole part of h, f = h - k, then
// (1-f) x(k) + f x(k+1), x(k) the k-th smallest value, formed in double and
// stored single. The position is held to 1..n, so groups of one or two
// observations read no value outside the sample (a group of one gives its
// value for every p). When f is 0 the value is x(k) itself and x(k+1) is never
// read.
#include "boxplot/state.h"
#include "common/sort.h"

namespace boxplot {

float interpolated_quantile(const float* sorted, int32_t n, float fraction) {
  double position = static_cast<double>(n + 1) * static_cast<double>(fraction);
  const double last = static_cast<double>(n);
  if (position < 1.0) position = 1.0;
  if (position > last) position = last;
  const int32_t below = static_cast<int32_t>(position);  // truncation; 1 <= below <= n
  const double weight = position - static_cast<double>(below);
  if (weight == 0.0) return sorted[below - 1];
  return static_cast<float>((1.0 - weight) * static_cast<double>(sorted[below - 1]) +
                            weight * static_cast<double>(sorted[below]));
}

BoxStatistics box_statistics(float* group, int32_t n) {
  common::sort_ascending(group, n);
  BoxStatistics stats;
  stats.lower_quartile = interpolated_quantile(group, n, 0.25f);
  stats.median = interpolated_quantile(group, n, 0.5f);
  stats.upper_quartile = interpolated_quantile(group, n, 0.75f);
  stats.minimum = group[0];
  stats.maximum = group[n - 1];
  return stats;
}

}  // namespace boxplot
