// Mid-ranks of a pooled sample: tied values share the average of the ranks
// they occupy, r[a] = (#{b: p[b] <= p[a]} + #{b: p[b] < p[a]} + 1) / 2.
// A comparison with a NaN counts as false. Quadratic: n^2 comparisons, nothing
// is sorted. mid_ranks_of_first ranks only the first m values against all n (for a
// program that needs the ranks of one group within a pooled pair).
#ifndef COMMON_MID_RANKS_H
#define COMMON_MID_RANKS_H

#include <cstdint>

namespace common {

// Writes r[0..n-1], the mid-ranks of p[0..n-1]; p is not changed. n <= 0: nothing.
void mid_ranks(const float* p, float* r, int32_t n);

// Writes r[0..m-1], the mid-rank of each of p[0..m-1] among all of p[0..n-1].
// m is clamped to 0..n.
void mid_ranks_of_first(const float* p, float* r, int32_t m, int32_t n);

// The sum of r[0..n-1] in double, for mid-ranks (or any values that are
// multiples of 1/2 below 2^24, n below 2^24): every partial sum is then a
// multiple of 1/2 below 2^48, held exactly, so the result is the same in any
// order of addition. Four running sums keep the additions from waiting on
// one another. n <= 0 gives 0.
double rank_sum(const float* r, int32_t n);

}  // namespace common

#endif  // COMMON_MID_RANKS_H
