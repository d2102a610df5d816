// Ascending selection sort of a single-precision vector, in place.
// Each pass scans for the smallest value with a strict comparison and makes
// one exchange, only when a smaller value than the first was found; equal
// values are never exchanged and the sort is not stable. A comparison with a
// NaN is false, so every NaN keeps its position. Quadratic only when the
// vector holds a NaN or zeros of both signs; otherwise O(n log n) with the
// same result, bit for bit (see sort.cpp).
#ifndef COMMON_SORT_H
#define COMMON_SORT_H

#include <cstdint>

namespace common {

// Sorts z[0..n-1] ascending; nothing happens when n <= 1.
void sort_ascending(float* z, int32_t n);

// True when no value of z[0..n-1] is a NaN and the zeros, if any, all carry
// one sign: then values that compare equal are identical in storage, and no
// result can depend on the order in which they stand.
bool order_is_invisible_among_equals(const float* z, int32_t n);

}  // namespace common

#endif  // COMMON_SORT_H
