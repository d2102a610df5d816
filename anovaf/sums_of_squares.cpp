// Sums of squares and F. Within each group the squared deviations from the
// group mean and from the grand mean are summed in double from the stored
// single sums over the even part of the group, then stored in single; an odd
// group's last squares are added to those stored values and stored again.
// Groups of size 0 or below add nothing. The between mean square divides the
// unrounded difference total - within by K - 1; F divides it by the within
// mean square kept in double.
#include <cstdint>

#include "anovaf/state.h"

namespace anovaf {

int64_t between_groups_degrees_of_freedom(const common::GroupData& data) {
  return static_cast<int64_t>(data.group_count) - 1;
}

int64_t within_groups_degrees_of_freedom(const common::GroupData& data) {
  return static_cast<int64_t>(data.total_size) - static_cast<int64_t>(data.group_count);
}

void compute_sums_of_squares(State& state) {
  const common::GroupData& data = state.data;
  float within = 0.0f;
  float total = 0.0f;
  const double grand_mean = static_cast<double>(state.grand_mean);
  for (int j = 0; j < data.held_group_count(); ++j) {
    const int32_t n = data.sizes[j];
    if (n <= 0) continue;
    const float* x = data.observations[j];
    const double group_mean = static_cast<double>(state.group_means[j]);
    const int32_t even = n - n % 2;
    double within_sum = static_cast<double>(within);
    double total_sum = static_cast<double>(total);
    for (int32_t i = 0; i < even; ++i) {
      const double from_group = static_cast<double>(x[i]) - group_mean;
      const double from_grand = static_cast<double>(x[i]) - grand_mean;
      within_sum = within_sum + from_group * from_group;
      total_sum = total_sum + from_grand * from_grand;
    }
    within = static_cast<float>(within_sum);
    total = static_cast<float>(total_sum);
    if (even < n) {
      const double from_group = static_cast<double>(x[n - 1]) - group_mean;
      const double from_grand = static_cast<double>(x[n - 1]) - grand_mean;
      within = static_cast<float>(static_cast<double>(within) + from_group * from_group);
      total = static_cast<float>(static_cast<double>(total) + from_grand * from_grand);
    }
  }
  state.within_sum_of_squares = within;
  state.total_sum_of_squares = total;
  state.between_sum_of_squares =
      static_cast<float>(static_cast<double>(total) - static_cast<double>(within));

  state.between_mean_square =
      static_cast<float>((static_cast<double>(total) - static_cast<double>(within)) /
                         static_cast<double>(between_groups_degrees_of_freedom(data)));
  const double within_mean_square =
      static_cast<double>(within) / static_cast<double>(within_groups_degrees_of_freedom(data));
  state.f_statistic =
      static_cast<float>(static_cast<double>(state.between_mean_square) / within_mean_square);
}

}  // namespace anovaf
