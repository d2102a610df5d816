// Hodges-Lehmann rank estimates. Each group's effect is the size-weighted
// average of its shifts against every group, each shift the median of the
// pairwise differences (no smoothing here); the centre is the median of the
// Walsh averages of the residuals about the effects. A group's location is
// the centre plus its effect when the distribution may be taken as symmetric,
// and the grand mean plus its effect when it may not; each sum is formed in
// double and rounded to single.
#include "common/rank_estimates.h"

#include "homorank/state.h"

namespace homorank {

LocationEstimates estimate_group_locations(const common::GroupData& data) {
  LocationEstimates estimates;
  common::rank_effects(data, estimates.effects);
  estimates.centre = common::rank_centre(data, estimates.effects);
  estimates.grand_mean = common::grand_mean(data);
  const int k = data.held_group_count();
  common::locations_about(estimates.centre, estimates.effects, k, estimates.locations);
  common::locations_about(estimates.grand_mean, estimates.effects, k, estimates.mean_locations);
  return estimates;
}

}  // namespace homorank
