// Pairwise rank-sum comparisons of all groups at one simultaneous level, with
// a simultaneous confidence interval for each pairwise shift read from the
// sorted differences; computation and printing alternate pair by pair.
// Every group must hold at least one observation when there are two or more
// groups (the caller refuses anything else before the report starts).
#ifndef MULTICOMP_RANKT_H
#define MULTICOMP_RANKT_H

#include <cstdint>

#include "console/console.h"
#include "multicomp/state.h"

namespace multicomp {

// The whole comparison report: the percent-point heading and one block a pair.
void rankt_(con::Console& c, State& st);

// Mid-ranks r[0..n1-1] of the first n1 pooled values z among all np of them.
void rank_(const float* z, float* r, int32_t np, int32_t n1);

// The n1 * n2 differences of the pooled pair (group I minus group J, group I
// outer) into d[0..m-1], sorted ascending.
void order_(const State& st, int32_t n1, int32_t n2, float* d, int32_t m);

}  // namespace multicomp

#endif  // MULTICOMP_RANKT_H
