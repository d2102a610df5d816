// Hodges-Lehmann rank estimates of the group effects and the overall centre.
// effects_: the shift of every pair of groups is the median of their pairwise
// differences; each group's effect is the size-weighted average of its shifts
// against all groups. rest2_: the centre is the median of the Walsh averages of
// the residuals of the observations about these (raw) effects.
#ifndef COMMON_RANKEST_H
#define COMMON_RANKEST_H

#include "common/groupdata.h"

namespace common {

// Writes theta[0..K-1] (raw effects) for the groups of `data`. Each difference
// is stored in single precision, each term D(p,q) N(q) / NTOT divided
// separately, the sum carried in double and stored once in single. Groups
// with no observations contribute no differences.
void effects_(const GroupData& data, float* theta);

// The centre: the median of the NTOT(NTOT+1)/2 Walsh averages (every pair of
// residuals once, every residual with itself) of X(g,b) - theta(g).
float rest2_(const GroupData& data, const float* theta);

}  // namespace common

#endif  // COMMON_RANKEST_H
