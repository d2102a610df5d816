// median: the sample median of x[0..n-1] (the middle value, or the mean of the
// two middle values added in double, halved and rounded to single), found by
// splitting at the mean and selecting in the part that holds the middle.
// A NaN always counts as above the mean and never as an extreme, so values with
// a NaN give a defined, deterministic result. x is not changed. n <= 0 gives 0.
#ifndef COMMON_MEDIAN_H
#define COMMON_MEDIAN_H

#include <cstdint>

namespace common {

float median(const float* x, int32_t n);

// The same value as median(x, n), for a caller whose x is scratch: x may be
// reordered. Without a NaN and without both signs of zero, equal values are
// bit-identical and no order statistic depends on the input order, so the
// split is made in place and no copy is taken; otherwise it is median.
float median_of_scratch(float* x, int32_t n);

}  // namespace common

#endif  // COMMON_MEDIAN_H
