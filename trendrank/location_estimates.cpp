// Rank estimates of the trend test: the raw Hodges-Lehmann effects, smoothed
// into a non-decreasing sequence by the same weighted isotonic fit as the test,
// the centre from the Walsh averages of the residuals about the raw effects,
// and each group's location: the centre plus its smoothed effect (symmetric
// distributions) and the grand mean plus its smoothed effect (any
// distribution), each sum formed in double and stored in single.
#include "common/rank_estimates.h"
#include "trendrank/state.h"

namespace trendrank {

void estimate_effects_and_locations(State& st) {
  const int32_t k = st.data.held_group_count();
  common::rank_effects(st.data, st.raw_effects);
  isotonic_fit(k, st.raw_effects, st.group_weights, st.smoothed_effects);
  st.centre = common::rank_centre(st.data, st.raw_effects);
  common::locations_about(st.centre, st.smoothed_effects, k, st.symmetric_locations);
  common::locations_about(st.grand_mean, st.smoothed_effects, k, st.general_locations);
}

}  // namespace trendrank
