// Hodges-Lehmann rank estimates of the group effects and the overall centre.
// rank_effects: the shift of every pair of groups is the median of their pairwise
// differences; each group's effect is the size-weighted average of its shifts
// against all groups. rank_centre: the centre is the median of the Walsh averages of
// the residuals of the observations about these (raw) effects.
#ifndef COMMON_RANK_ESTIMATES_H
#define COMMON_RANK_ESTIMATES_H

#include "common/group_data.h"

namespace common {

// Writes theta[i], the raw effect of group i+1, for every group of `data`.
// Each difference is stored in single precision; each term (a shift times the
// other group's size) is divided by the total size separately, the sum carried
// in double and stored once in single. Groups with no observations contribute
// no differences.
void rank_effects(const GroupData& data, float* theta);

// The centre: the median of the Walsh averages (every pair of residuals once,
// every residual with itself: n(n+1)/2 of them for n observations) of the
// residuals, each observation minus the raw effect theta of its group.
float rank_centre(const GroupData& data, const float* theta);

// The grand mean as the trend and homogeneity programs form it: every
// observation divided by the total size separately; within a group the terms
// are summed in double from the stored single value and stored after the
// group's even part, and for an odd size the last term is added to that stored
// value and stored again.
float grand_mean(const GroupData& data);

// Each group's location about a base value (the centre, or the grand mean):
// locations[i] = base + effects[i], added in double and stored in single, for
// i < k.
void locations_about(float base, const float* effects, int k, float* locations);

}  // namespace common

#endif  // COMMON_RANK_ESTIMATES_H
