// Group effects and the common variance: each effect is the group mean minus
// the grand mean, subtracted in double and rounded to single; the common
// variance is the stored within sum of squares divided by NT - K in double,
// rounded to single.
#include "anovaf/state.h"

namespace anovaf {

void compute_effects_and_common_variance(State& state) {
  const common::GroupData& data = state.data;
  for (int j = 0; j < data.held_group_count(); ++j) {
    state.group_effects[j] = static_cast<float>(static_cast<double>(state.group_means[j]) -
                                                static_cast<double>(state.grand_mean));
  }
  state.common_variance =
      static_cast<float>(static_cast<double>(state.within_sum_of_squares) /
                         static_cast<double>(within_groups_degrees_of_freedom(data)));
}

}  // namespace anovaf
