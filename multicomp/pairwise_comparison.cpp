// One pair of groups, of n1 and n2 observations, compared by the rank sum of
// the first: the first group's mid-ranks within the pair, each rounded half up,
// are summed, and TR is that sum less n1(n1+n2+1)/2; the critical value is the
// untied null deviation sqrt(n1 n2 (n1+n2+1)/12) times the percent point. The
// simultaneous interval for the shift leaves out the `trimmed` smallest and the
// `trimmed` largest of the m = n1 n2 sorted differences, trimmed =
// trunc(single(m/2 - deviation * percent point)): it runs from the
// (trimmed+1)-th to the (m-trimmed)-th (a Hodges-Lehmann type interval).
#include <cmath>
#include <cstdint>

#include "common/mid_ranks.h"
#include "common/sort.h"
#include "multicomp/state.h"

namespace multicomp {

void sorted_pair_differences(const float* pair, int32_t n1, int32_t n2, float* differences) {
  int32_t k = 0;
  for (int32_t a = 0; a < n1; ++a) {
    for (int32_t b = 0; b < n2; ++b) {
      differences[k++] =
          static_cast<float>(static_cast<double>(pair[a]) - static_cast<double>(pair[n1 + b]));
    }
  }
  common::sort_ascending(differences, n1 * n2);
}

PairComparison compare_pair(const common::GroupData& data, int32_t first, int32_t second,
                            double percent_point) {
  const int32_t n1 = data.sizes[first - 1];
  const int32_t n2 = data.sizes[second - 1];
  const int32_t pair_size = n1 + n2;
  float pair[kLargestPair] = {};
  for (int32_t a = 0; a < n1; ++a) pair[a] = data.observations[first - 1][a];
  for (int32_t b = 0; b < n2; ++b) pair[n1 + b] = data.observations[second - 1][b];

  float ranks[kLargestPair] = {};
  common::mid_ranks_of_first(pair, ranks, n1, pair_size);
  int32_t rank_sum = 0;
  for (int32_t r = 0; r < n1; ++r) {
    rank_sum += static_cast<int32_t>(std::round(static_cast<double>(ranks[r])));
  }

  PairComparison result;
  result.statistic = static_cast<double>(rank_sum) - static_cast<double>(n1 * (n1 + n2 + 1)) / 2.0;
  const float deviation =
      static_cast<float>(std::sqrt(static_cast<double>(n1 * n2 * (n1 + n2 + 1)) / 12.0));
  const double product = static_cast<double>(deviation) * percent_point;
  result.critical_value = static_cast<float>(product);
  result.rejected = std::fabs(result.statistic) > static_cast<double>(result.critical_value);

  // Interval indices from the unrounded product. With sizes of 1..50 and a
  // percent point in [0, 200], |m/2 - product| < 30000 and both indices lie
  // in 1..m.
  const int32_t m = n1 * n2;
  const int32_t trimmed =
      static_cast<int32_t>(static_cast<float>(static_cast<double>(m) / 2.0 - product));
  int32_t lower = trimmed + 1;
  if (lower <= 1) lower = 1;
  int32_t upper = m - trimmed;
  if (upper > m) upper = m;
  float differences[kMaxDifferences] = {};
  sorted_pair_differences(pair, n1, n2, differences);
  result.lower_limit = differences[lower - 1];
  result.upper_limit = differences[upper - 1];
  return result;
}

}  // namespace multicomp
