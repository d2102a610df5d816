// Group means and grand mean. Every sum runs in double from a stored single
// value. A group's sum runs over the whole group; the grand total is stored in
// single after the even part of each group, and an odd group's last
// observation is added to that stored total and stored again. Each mean is
// its sum divided by the size as typed, so an empty group gives 0/0 and a
// negative size 0 / -n = -0.
#include <cstdint>

#include "anovaf/state.h"

namespace anovaf {

void compute_group_and_grand_means(State& state) {
  const common::GroupData& data = state.data;
  float grand_total = 0.0f;
  for (int j = 0; j < data.held_group_count(); ++j) {
    float group_total = 0.0f;
    const int32_t n = data.sizes[j];
    if (n > 0) {
      const float* x = data.observations[j];
      const int32_t even = n - n % 2;
      double group_sum = static_cast<double>(group_total);
      double grand_sum = static_cast<double>(grand_total);
      for (int32_t i = 0; i < even; ++i) {
        group_sum = group_sum + static_cast<double>(x[i]);
        grand_sum = grand_sum + static_cast<double>(x[i]);
      }
      grand_total = static_cast<float>(grand_sum);
      if (even < n) {
        group_sum = group_sum + static_cast<double>(x[n - 1]);
        grand_total =
            static_cast<float>(static_cast<double>(grand_total) + static_cast<double>(x[n - 1]));
      }
      group_total = static_cast<float>(group_sum);
    }
    // Every group, also an empty one (0/0) or one of negative size (-0).
    state.group_means[j] =
        static_cast<float>(static_cast<double>(group_total) / static_cast<double>(n));
  }
  state.grand_mean =
      static_cast<float>(static_cast<double>(grand_total) / static_cast<double>(data.total_size));
}

}  // namespace anovaf
