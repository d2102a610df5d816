// Rank estimates of the trend test: the raw Hodges-Lehmann effects, smoothed
// into a non-decreasing sequence by the same weighted isotonic fit as the test,
// the centre from the Walsh averages of the residuals about the raw effects,
// the grand mean, and each group's location: the centre plus its smoothed effect (symmetric
// distributions) and the grand mean plus its smoothed effect (any
// distribution), each sum formed in double and stored in single.
#include "common/rank_estimates.h"
#include "trendrank/state.h"

namespace trendrank {

void estimate_effects_and_locations(State& state) {
  const int32_t k = state.data.held_group_count();
  common::rank_effects(state.data, state.raw_effects);
  isotonic_fit(k, state.raw_effects, state.group_weights, state.smoothed_effects);
  state.centre = common::rank_centre(state.data, state.raw_effects);
  state.grand_mean = common::grand_mean(state.data);
  common::locations_about(state.centre, state.smoothed_effects, k, state.symmetric_locations);
  common::locations_about(state.grand_mean, state.smoothed_effects, k, state.general_locations);
}

}  // namespace trendrank
