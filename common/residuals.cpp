// Group means (each x/n added separately, in double, stored single) and the
// pooled residuals (x - mean) / size_correction, size_correction =
// sqrt(1 - 1/n) rounded to single; the difference and the quotient are formed
// in double and rounded once. A group of one has a size correction of 0 and
// gives the NaN of 0/0; groups of size zero or less contribute nothing. The
// sizes are at most 1000 (checked on reading).
#include "common/residuals.h"

#include <algorithm>
#include <cmath>

#include "common/sort.h"

namespace common {

void group_means(const GroupData& data, float means[kMaxGroups]) {
  for (int i = 0; i < kMaxGroups; ++i) means[i] = 0.0f;
  for (int i = 0; i < data.held_group_count(); ++i) {
    const int n = data.held_size(i);
    if (n <= 0) continue;
    const double dn = static_cast<double>(n);
    double sum = 0.0;
    for (int j = 0; j < n; ++j) sum += static_cast<double>(data.observations[i][j]) / dn;
    means[i] = static_cast<float>(sum);
  }
}

int32_t pooled_residuals(const GroupData& data, const float means[kMaxGroups], float* residuals) {
  int32_t k = 0;
  for (int i = 0; i < data.held_group_count(); ++i) {
    const int n = data.held_size(i);
    if (n <= 0) continue;
    const float size_correction = static_cast<float>(std::sqrt(1.0 - 1.0 / static_cast<double>(n)));
    const double m = static_cast<double>(means[i]);
    for (int j = 0; j < n; ++j) {
      residuals[k] = static_cast<float>((static_cast<double>(data.observations[i][j]) - m) /
                                        static_cast<double>(size_correction));
      ++k;
    }
  }
  return k;
}

void sorted_residuals(const GroupData& data, Residuals& residuals) {
  group_means(data, residuals.group_means);
  residuals.count = pooled_residuals(data, residuals.group_means, residuals.in_pooling_order);
  std::copy(residuals.in_pooling_order, residuals.in_pooling_order + residuals.count,
            residuals.ascending);
  sort_ascending(residuals.ascending, residuals.count);
}

}  // namespace common
